// EquationOfTimeWindow: the equation of time of one calendar year (1000 to
// 4000) as a curve with a scale in minutes, markers every two months and the
// year's turning points; keys and two of its three buttons move through the
// years.
#pragma once

#include "ui/graph_window.h"

namespace quendal {

class EquationOfTimeWindow : public GraphWindow {
  Q_OBJECT

 public:
  EquationOfTimeWindow(DesktopState& state, int year, QWidget* owner = nullptr);

  int year() const { return year_; }

 signals:
  // The year shown changed (it is shared with the equation-of-time dialog).
  void yearChanged(int year);

 protected:
  void help() override;
  void draw(QPainter& painter, int w, int h, bool direct) override;
  QSize grownsize(QSize size) const override;

 private:
  void createcommands();
  void setyear(int year);

  int year_;
};

}  // namespace quendal
