// The main report: Easter and the feasts that follow from it, month
// calendars in both calendars, the short Gregorian/Julian overview, the
// seasons, identical years, the system version and the two rules printed as
// program text. One page per call, chosen by the report page.
#pragma once

#include <string>

#include "app/platform.h"
#include "calendar/text.h"

namespace quendal {

// The page that switches the language (togglelanguage) and then shows page
// 0 in the new language.
inline constexpr int languagepage = 66;

struct MainReportInputs {
  int year = 0;  // 100..9999
  int page = 0;  // the report page (month field)
  int todayyear = 0, todaymonth = 0, todayday = 0;
  SystemVersion system;  // pages 30 and 97
  // The language state page 66 switches (calendar/text.h).
  LanguageMode languagemode = LanguageMode::automatic;
  int languageoverride = 0;
  int userlanguage = 1033;
};

// A built page also says what the caller stores: year as the current year,
// page as reportpage (and the month field), languagemode (changed by page 66).
struct MainReport {
  bool built = false;  // false: year outside 100..9999, nothing changes
  std::string text;
  int year = 0;                                         // the year of the page
  int page = 0;                                         // the page as normalised (66 and 77 become 0, unknown pages 0)
  LanguageMode languagemode = LanguageMode::automatic;  // the inputs' languagemode, toggled by page 66
  Language language = english;                          // the language the text was built in (page 66 switches it)
  const char* caption = "";
  const char* icon = "";          // the icon's name
  bool proportionalfont = false;  // pages 0, 13, 98, 99
};

// Builds one page; language is the current language of the caller's state.
// Page 66 toggles the language state of the inputs (togglelanguage) and
// shows page 0 in the new language.
MainReport buildmainreport(const MainReportInputs& in, Language language);

// The page of the seasons of a year (page 28), text only.
std::string buildseasonspage(int year, Language language);

// The product text of a Windows version, or "" (German "oder ", English "or ").
std::string windowsproductname(int major, int minor, Language language);

}  // namespace quendal
