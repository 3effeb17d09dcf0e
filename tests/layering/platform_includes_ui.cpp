// A platform source that reaches up into the dialogs and windows: with the
// platform library's include directory the window header is not found, so
// this does not compile; with the desktop program's own it does.
#include "ui/platform/platform.h"
#include "ui/window_support.h"

namespace quendal {

QSize reversedlayering(const QFont& font) { return text("x").isEmpty() ? QSize() : dialogunits(font, 4, 8); }

}  // namespace quendal
