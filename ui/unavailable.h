// The windows and the printing that the desktop program does not have yet:
// the calendar window, the two graph windows and the print preview. Every
// command that would open one of them comes here, so that each can be
// replaced in one place when it arrives.
#pragma once

class QWidget;

namespace quendal {

enum class Unavailable { calendarwindow, equationoftimewindow, skychartwindow, printing };

// A message box saying that the window or printing is not available yet.
// language: 0 English, else German.
void shownotavailable(QWidget* owner, Unavailable what, int language);

}  // namespace quendal
