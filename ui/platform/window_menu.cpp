// Window-menu commands as context menu and shortcuts; see window_menu.h.
#include "ui/platform/window_menu.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

#include "ui/platform/platform.h"

namespace quendal {

WindowMenu::WindowMenu(QWidget* dialog, Commands commands) : QObject(dialog) {
  dialog->setContextMenuPolicy(Qt::ActionsContextMenu);
  if (commands.wikipedia) wikipedia_ = add(dialog, QKeySequence(Qt::Key_F1), &WindowMenu::wikipediaRequested);
  if (commands.print) print_ = add(dialog, QKeySequence::Print, &WindowMenu::printRequested);
  if (commands.about) about_ = add(dialog, QKeySequence(Qt::SHIFT | Qt::Key_F1), &WindowMenu::aboutRequested);
  if (commands.icalendar) icalendar_ = add(dialog, QKeySequence(), &WindowMenu::icalendarRequested);
}

QAction* WindowMenu::add(QWidget* dialog, const QKeySequence& shortcut, void (WindowMenu::*signal)()) {
  auto* action = new QAction(this);
  action->setShortcut(shortcut);
  action->setShortcutContext(Qt::WindowShortcut);
  action->setShortcutVisibleInContextMenu(true);
  connect(action, &QAction::triggered, this, signal);
  dialog->addAction(action);
  actions_.append(action);
  return action;
}

void WindowMenu::relabel(Language language) {
  const struct {
    QAction* action;
    Bilingual label;
  } entries[] = {{wikipedia_, {"Wikipedia...", "Wikipedia..."}},
                 {print_, labels::print},
                 {about_, {"Über Quendal...", "About Quendal..."}},
                 {icalendar_, labels::icalendar}};
  for (const auto& entry : entries)
    if (entry.action) entry.action->setText(inlanguage(entry.label, language));
}

}  // namespace quendal
