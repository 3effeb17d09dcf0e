// The keyboard help boxes of the calendar window, the equation-of-time graph
// and the sky chart: the keys, a credits block and the platform the program
// runs on (the about box's platform lines).
#pragma once

#include <string>

#include "calendar/text.h"
#include "reports/about_report.h"

namespace quendal {

struct WindowHelp {
  std::string title;  // "Tastenbelegung:" / "Keyboard Configuration:"
  std::string text;   // message-box text, lines separated by "\n"
};

// printing: printingEnabled (the F3 line).
WindowHelp calendarwindowhelp(bool printing, const AboutPlatform& platform, Language language);
WindowHelp eotwindowhelp(bool printing, const AboutPlatform& platform, Language language);
// view: 0 the sky chart, 1 and 2 the solar system.
WindowHelp skychartwindowhelp(int view, bool printing, const AboutPlatform& platform, Language language);

}  // namespace quendal
