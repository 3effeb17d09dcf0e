// Report text conventions: the language choice, the bilingual name tables,
// the shapes of numbers, angles, times and zone labels, and the report buffer.
//
// All text is UTF-8. Wherever text is padded, cut or counted, the unit is a
// character (code point), never a byte: use utf8length, padleft, padright and
// utf8truncate, never a printf field width on a string that may hold
// non-ASCII characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "calendar/calendar.h"

namespace quendal {

// ---- Language -------------------------------------------------------------
//
// The language of a text follows from three values the caller holds:
// the language mode (automatic, English or German forced),
// languageoverride (0 none, or the configuration file's choice 3079, 1031,
// 2000) and the user's default language id (Windows locale id numbering).

enum class Language { english = 0, german = 1, austrian = 2 };
using enum Language;

// The language choice: German or English forced, or automatic (the
// configuration file's language, else the user's).
enum class LanguageMode { german = -1, english = 0, automatic = 1 };

// Asked anew for every text.
Language currentlanguage(LanguageMode languagemode, int languageoverride, int userlanguage);
// The languagemode after the toggle of the language commands and keys (and
// page 66 of the main report): German forced when the current language is
// English, else English forced.
LanguageMode togglelanguage(LanguageMode languagemode, int languageoverride, int userlanguage);

// ---- Name tables ------------------------------------------------------------
// Row 0 German, row 1 English; pick the row with namerow(language).

inline int namerow(Language language) { return language == english ? 1 : 0; }

// A text of the program in both languages: German (also for Austrian German)
// and English, UTF-8.
struct Bilingual {
  const char* de = "";
  const char* en = "";
  // The text in the language.
  constexpr const char* in(Language language) const { return language == english ? en : de; }
};

extern const char* const monthnames[2][13];       // 1..12; German [0] "Jänner"
extern const char* const shortmonthnames[2][13];  // four characters each
extern const char* const weekdaynames[2][8];      // dayofweek result 1..7
extern const char* const shortweekdaynames[2][8];
extern const char* const ordinalsuffixes[4];  // "th", "st", "nd", "rd"
extern const char* const feastwords[2][6];
extern const char* const moonphasenames[2][8];
extern const char* const axismonthnames[2][7];
extern const char* const bodynames[2][13];
extern const char* const shortbodynames[2][13];
extern const char* const bodycodes[13];    // "MER", ..., "MOON"
extern const char* const bodyletters[13];  // "h", ..., "M"
extern const char* const zodiacnames[2][14];

// Month names with the Austrian January rule applied.
const char* monthname(int month, Language language);
const char* shortmonthname(int month, Language language);
const char* weekdayname(int weekday, Language language);
const char* shortweekdayname(int weekday, Language language);

// ---- Numbers ----------------------------------------------------------------

// Index into ordinalsuffixes: 11..13 give 0 ("th"), 1, 21, 101 give 1, ...
int ordinalsuffix(int n);
inline const char* ordinal(int n) { return ordinalsuffixes[ordinalsuffix(n)]; }

// Whole, minutes and seconds of a value in hours or degrees; seconds rounded
// with the threshold 0.49999, a time wraps 24 to 0, an angle 360 to 0.
// Returns 0 (outputs untouched) if |value| >= 2147483647.
int splitsexagesimal(double value, int& whole, int& minutes, int& seconds, int angle);
// "%4d°%02d'%02d\"" for angles, "%3dh%02d'%02d\"" for times.
std::string formatsexagesimal(double value, int angle);
// value with 1..5 decimals (half-up), right-aligned in width; comma flag
// selects the decimal comma.
std::string formatdecimal(double value, int width, int comma, int decimals);
// decimals 0 means 2; with 1 decimal a blank is appended.
std::string formatdecimalpadded(double value, int width, int comma, int decimals);
// "UTC", "UTC+1 (MEZ)", "UTC+2 (CEST)", "UTC-5", "UTC+5 1/2", ...
std::string zonelabel(int zone, int half, Language language);
// The zone (hours east of UTC) a dialog or report starts with for a date: 0
// in English; in German 2 when the day lies in European summer time, else 1.
int dialogzone(Language language, const CivilDate& date);
// Nearest integer; the fraction must exceed 0.49999; sign kept aside.
int roundnearest(double value);

// ---- Main dialog caption and icon by report page ---------------------------

struct CaptionIcon {
  Bilingual caption;
  const char* icon;  // the icon's name (resources/icons/NAME.svg)
};
CaptionIcon mainreportcaption(int page);

// ---- Text helpers -------------------------------------------------------------

// printf into a std::string (the format's own strings are UTF-8).
std::string strprintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Number of characters (code points) of UTF-8 text.
std::size_t utf8length(std::string_view text);
// The first n characters of UTF-8 text.
std::string utf8truncate(std::string_view text, std::size_t n);
// Blanks added on the left / right up to width characters (never cut).
std::string padleft(std::string_view text, std::size_t width);
std::string padright(std::string_view text, std::size_t width);

// ---- Report buffer ------------------------------------------------------------

// Assembles one report. Holds at most `capacity` characters; whatever would
// go beyond is dropped (never a partial character).
class ReportBuffer {
 public:
  static constexpr std::size_t capacity = 15999;  // 16000 with the terminator

  void clear();
  void append(std::string_view text);
  void printf(const char* format, ...) __attribute__((format(printf, 2, 3)));
  const std::string& text() const { return text_; }
  std::size_t characters() const { return characters_; }

 private:
  std::string text_;
  std::size_t characters_ = 0;
};

}  // namespace quendal
