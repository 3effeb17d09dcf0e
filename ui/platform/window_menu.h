// The commands a dialog adds to its window (system) menu: "Wikipedia...",
// "Drucken...", "Über Quendal..." and "iCalendar exportieren..." Linux window managers offer no way to
// extend that menu, so the commands live in the dialog's context menu (also
// the report field's) and have keyboard shortcuts: F1 the encyclopedia
// article, Ctrl+P printing, Shift+F1 the about box (the export has none).
#pragma once

#include <QList>
#include <QObject>

#include "calendar/text.h"

class QAction;
class QWidget;

namespace quendal {

class WindowMenu : public QObject {
  Q_OBJECT

 public:
  struct Commands {
    bool wikipedia = false;  // the dialog has an encyclopedia article
    bool print = false;      // printingEnabled
    bool about = false;      // the main dialog's about command
    bool icalendar = false;  // the main dialog's iCalendar export
  };

  // Adds the commands to the dialog's context menu and shortcuts.
  WindowMenu(QWidget* dialog, Commands commands);

  // Labels in the language.
  void relabel(Language language);
  // The commands, for the report field's context menu.
  QList<QAction*> actions() const { return actions_; }

 signals:
  void wikipediaRequested();
  void printRequested();
  void aboutRequested();
  void icalendarRequested();

 private:
  QAction* add(QWidget* dialog, const QKeySequence& shortcut, void (WindowMenu::*signal)());

  QAction* wikipedia_ = nullptr;
  QAction* print_ = nullptr;
  QAction* about_ = nullptr;
  QAction* icalendar_ = nullptr;
  QList<QAction*> actions_;
};

}  // namespace quendal
