// GraphWindow: what the equation-of-time graph and the sky chart share. A
// top-level window that paints everything itself through an off-screen
// image; every command a QAction with its keys. A row of child buttons
// triggers some of the commands; the buttons disappear while keys repeat or
// the window is resized and come back 350 ms after the last one (timer 2),
// F2 hides or shows them for good. The context menu offers the help (F1)
// and printing (F3), in the order the window chooses; F11 switches the
// language while the window is open; the graph-window-open flag tells the
// tool dialogs that one is.
#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QWidget>
#include <functional>
#include <span>

#include "calendar/text.h"
#include "ui/desktop_state.h"

class QAction;
class QKeySequence;
class QPushButton;
class QTimer;

namespace quendal {

class GraphWindow : public QWidget {
  Q_OBJECT

 public:
  // A button: its object name, its label and the object name of the
  // command it triggers.
  struct ButtonEntry {
    const char* name;
    Bilingual label;
    const char* command;
  };
  // Where the buttons go, from the left along the top of the window: button
  // i at x = left + i * pitch, width wide; a label too long for width widens
  // its button, and the buttons after it keep a gap from the one before.
  struct ButtonRow {
    int left;
    int pitch;
    int width;
  };

  // The order of the context menu's entries.
  enum class MenuOrder { helpfirst, printfirst };

  ~GraphWindow() override;

  // The child buttons are wanted (F2) and present (not hidden by timer 2).
  bool buttonswanted() const { return wanted_; }
  bool buttonspresent() const { return present_; }
  // The off-screen image as last painted (client size); null without one.
  QImage image() const;

 protected:
  // documentname: the print job's name.
  GraphWindow(DesktopState& state, const QString& documentname, QWidget* owner,
              MenuOrder menuorder = MenuOrder::helpfirst);

  // What a command triggered by a key does to the buttons: nothing, or hide
  // them until 350 ms after the last key (the commands that move through
  // the pictures). Triggered by its button a command leaves them as they are.
  enum class ByKey { keepbuttons, hidebuttons };
  // A command with its keys; its keys work without it being an entry of
  // the context menu.
  QAction* addcommand(const char* name, const QList<QKeySequence>& keys, ByKey bykey, std::function<void()> command);

  // The buttons of the window as they are now (a view may have others).
  void setbuttons(const ButtonRow& row, std::span<const ButtonEntry> buttons);

  Language language() const { return state_.application.language(); }

  // The help box (F1).
  virtual void help() = 0;
  // After the language changed (F11) and the buttons were relabelled.
  virtual void relabel() {}
  // Draws the whole view on a white w x h area. direct: no off-screen image.
  virtual void draw(QPainter& painter, int w, int h, bool direct) = 0;
  // The size a window of this client size must grow to before it is drawn
  // (the size itself when it is large enough): a resize to a smaller size
  // is followed by one to this, and nothing is drawn meanwhile.
  virtual QSize grownsize(QSize size) const { return size; }

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

  DesktopState& state_;

 private:
  struct Button {
    QPushButton* button = nullptr;
    Bilingual label;
  };

  // Removes the buttons and restarts timer 2.
  void hidebuttonsawhile();
  // F2: wanted or not; the buttons follow at once.
  void togglebuttons();
  // F11: the other language; the buttons and commands relabelled.
  void togglelanguage();
  void relabelcommands();
  // The command of that object name.
  QAction* command(const char* name) const;
  // F3: the off-screen image printed when printing is enabled; without an
  // image the buffer message.
  void print();
  void showbuttons(bool present);
  void timeout();

  QString documentname_;
  QList<QAction*> commands_;  // every command, with its keys
  // The buttons; the commands of the keys and buttons belong to it, so that
  // their shortcuts work while the window's context menu lists its own.
  QWidget* buttonrow_ = nullptr;
  QList<Button> buttons_;
  bool bybutton_ = false;  // a button is triggering its command
  QAction* help_ = nullptr;
  QAction* print_ = nullptr;
  bool wanted_ = true;
  bool present_ = false;
  QTimer* timer_ = nullptr;  // timer 2
  QImage offscreen_;
  LanguageMode savedlanguagemode_ = LanguageMode::automatic;
};

}  // namespace quendal
