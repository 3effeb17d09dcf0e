// The main report: Easter and the feasts that follow from it, month
// calendars in both calendars, the short Gregorian/Julian overview, the
// seasons, identical years, the system version and the two rules printed as
// program text. One page per call, chosen by the report page.
#pragma once

#include <string>

#include "app/platform.h"

namespace quendal {

// Process-wide: the current year and report page of the main dialog and the
// calendar window.
extern int currentyear;
extern int reportpage;

struct MainReportInputs {
  int year = 0;  // 100..9999
  int page = 0;  // the report page (month field)
  int todayyear = 0, todaymonth = 0, todayday = 0;
  SystemVersion system;  // pages 30 and 97
};

struct MainReport {
  bool built = false;  // false: year outside 100..9999, nothing changes
  std::string text;
  int page = 0;        // the page as normalised (66 and 77 become 0, unknown pages 0)
  int language = 0;    // the language the text was built in (page 66 switches it)
  const char* caption = "";
  int icon = 0;
  bool proportionalfont = false;  // pages 0, 13, 98, 99
};

// Builds one page. Page 66 switches languagemode first (then shows page 0 in
// the new language); language is the currentlanguage() of the caller.
MainReport buildmainreport(const MainReportInputs& in, int language);

// The page of the seasons of a year (page 28), text only.
std::string buildseasonspage(int year, int language);

// The product text of a Windows version, or "" (German "oder ", English "or ").
std::string windowsproductname(int major, int minor, int language);

}  // namespace quendal
