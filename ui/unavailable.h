// The printing that the desktop program does not have yet: every command
// that would print or open the print preview comes here, so that it can be
// replaced in one place when it arrives.
#pragma once

class QWidget;

namespace quendal {

enum class Unavailable { printing };

// A message box saying that printing is not available yet.
// language: 0 English, else German.
void shownotavailable(QWidget* owner, Unavailable what, int language);

}  // namespace quendal
