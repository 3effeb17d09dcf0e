// SkyChartWindow: the planets, the Sun and the Moon for one instant, as a
// chart of the sky above the observer's horizon (four orientations, a zoom,
// with or without the information lines) or as two plan views of the solar
// system; keys and buttons move the instant, F10 opens the position dialog.
// It starts at the instant and place of the planet dialog's last report
// (the chart state).
#pragma once

#include "ui/graph_window.h"

namespace quendal {

class SkyChartWindow : public GraphWindow {
  Q_OBJECT

 public:
  explicit SkyChartWindow(DesktopState& state, QWidget* owner = nullptr);

  int view() const { return view_; }
  int orientation() const { return orientation_; }
  double zoom() const { return zoom_; }
  bool fullcircle() const { return fullcircle_; }

  // The position dialog (F10), then a repaint.
  void changeposition();

 protected:
  void help() override;
  void relabel() override;
  void draw(QPainter& painter, int w, int h, bool direct) override;
  QSize grownsize(QSize size) const override;

 private:
  void createcommands();
  // The instant stepped by days, a step back no lower than the Julian date
  // lowest.
  void stepinstant(double days, double lowest);
  // Up and Down: the zoom of the chart, a month in the solar-system views.
  void zoomin();
  void zoomout();
  void turn();
  void toggleinfo();
  void nextview();
  void makebuttons();
  void drawskychart(QPainter& painter, int w, int h, int centre);
  void drawsolarsystem(QPainter& painter, int centre);

  int view_ = 0;
  int orientation_ = 0;
  double zoom_ = 1.0;
  bool fullcircle_ = false;
};

}  // namespace quendal
