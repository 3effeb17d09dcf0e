// A print source that reaches up into the dialogs and windows: with the
// print library's include directory (which holds ui/platform/ but no other
// part of ui/) the window header is not found, so this does not compile;
// with the desktop program's own it does.
#include "ui/print/printing.h"
#include "ui/window_support.h"

namespace quendal {

QFont reversedlayering() { return presetprinterfont(text("Deutsch") == QStringLiteral("Deutsch")); }

}  // namespace quendal
