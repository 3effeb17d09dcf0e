// A platform source that reaches up into printing: with the platform
// library's include directory the print header is not found, so this does
// not compile; with the print library's own it does.
#include "ui/print/printing.h"
#include "ui/platform/platform.h"

namespace quendal {

QFont reversedlayering() { return presetprinterfont(userlanguageid() != 1033); }

}  // namespace quendal
