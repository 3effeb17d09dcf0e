// GraphWindow: what the equation-of-time graph and the sky chart share. A
// top-level window that paints everything itself through an off-screen
// image, with a row of child buttons that disappear while keys repeat or the
// window is resized and come back 350 ms after the last one (timer 2), F2 to
// hide or show them for good, the language switch that lasts while the
// window is open, and the graph-window-open flag the tool dialogs consult.
#pragma once

#include <QImage>
#include <QList>
#include <QWidget>

#include "app/application_state.h"

class QPushButton;
class QTimer;

namespace quendal {

class GraphWindow : public QWidget {
  Q_OBJECT

 public:
  ~GraphWindow() override;

  // The child buttons are wanted (F2) and present (not hidden by timer 2).
  bool buttonswanted() const { return wanted_; }
  bool buttonspresent() const { return present_; }
  // The off-screen image as last painted (client size); null without one.
  QImage image() const;

 protected:
  GraphWindow(ApplicationState& state, QWidget* owner);

  struct ButtonSpec {
    int id = 0;
    const char* german = "";
    const char* english = "";
    int x = 0;
    int width = 100;
  };
  // The buttons of the window as they are now (a view may have others).
  void setbuttons(const QList<ButtonSpec>& buttons);
  // Removes the buttons and restarts timer 2.
  void hidebuttonsawhile();
  // F2: wanted or not; the buttons follow at once.
  void togglebuttons();
  // F11: the other language; the buttons relabelled.
  void togglelanguage();
  // F3: the off-screen image printed as documentname when printing is
  // enabled; without an image the buffer message.
  void printimage(const QString& documentname);
  Language language() const { return state_.language(); }

  virtual void buttonclicked(int id) = 0;
  // Draws the whole view on a white w x h area. direct: no off-screen image.
  virtual void draw(QPainter& painter, int w, int h, bool direct) = 0;
  // Called before drawing with the client size; true when the window must be
  // resized first (nothing is drawn then).
  virtual bool needsresize(int w, int h);

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

  ApplicationState& state_;

 private:
  void showbuttons(bool present);
  void timeout();

  struct Button {
    ButtonSpec spec;
    QPushButton* button = nullptr;
  };
  QList<Button> buttons_;
  bool wanted_ = true;
  bool present_ = false;
  QTimer* timer_ = nullptr;  // timer 2
  QImage offscreen_;
  LanguageMode savedlanguagemode_ = LanguageMode::automatic;
};

}  // namespace quendal
