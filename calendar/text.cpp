// Report text conventions; see text.h.
#include "calendar/text.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace quendal {

// ---- Language -------------------------------------------------------------

Language currentlanguage(LanguageMode languagemode, int languageoverride, int userlanguage) {
  int id = 0;
  if (languagemode != LanguageMode::english) id = languageoverride != 0 ? languageoverride : userlanguage;
  if (languagemode == LanguageMode::german && id != 3079) id = 1031;
  switch (id) {
    case 1031:
    case 2055:
    case 5127:
    case 4103:
      return german;
    case 3079:
      return austrian;
    default:
      return english;
  }
}

LanguageMode togglelanguage(LanguageMode languagemode, int languageoverride, int userlanguage) {
  if (languagemode == LanguageMode::english) return LanguageMode::german;
  if (languagemode == LanguageMode::german) return LanguageMode::english;
  return currentlanguage(languagemode, languageoverride, userlanguage) == english ? LanguageMode::german
                                                                                  : LanguageMode::english;
}

// ---- Name tables ------------------------------------------------------------

const char* const monthnames[2][13] = {{"Jänner", "Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August",
                                        "September", "Oktober", "November", "Dezember"},
                                       {"", "January", "February", "March", "April", "May", "June", "July", "August",
                                        "September", "October", "November", "December"}};

const char* const shortmonthnames[2][13] = {
    {"Jän.", "Jan.", "Feb.", "März", "Apr.", "Mai ", "Juni", "Juli", "Aug.", "Sep.", "Okt.", "Nov.", "Dez."},
    {"", "Jan.", "Feb.", "Mar.", "Apr.", "May ", "June", "July", "Aug.", "Sep.", "Oct.", "Nov.", "Dec."}};

const char* const weekdaynames[2][8] = {
    {"", "Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"},
    {"", "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"}};

const char* const shortweekdaynames[2][8] = {{"", "So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"},
                                             {"", "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}};

const char* const ordinalsuffixes[4] = {"th", "st", "nd", "rd"};

const char* const feastwords[2][6] = {{"Feiertage", "Ostern", "Christi Himmelfahrt", "Pfingsten", "Fronleichnam", ""},
                                      {"Holidays", "Quendal", "The Ascension Day", "Pentecost", "Corpus Christi", ""}};

const char* const moonphasenames[2][8] = {{"Neumond", "Zunehmende Sichel", "Erstes Viertel", "Zunehmender Mond",
                                           "Vollmond", "Abnehmender Mond", "Letztes Viertel", "Abnehmende Sichel"},
                                          {"New Moon", "Waxing Crescent Moon", "First Quarter", "Waxing Gibbous Moon",
                                           "Full Moon", "Waning Gibbous Moon", "Last Quarter", "Waning Crescent Moon"}};

const char* const axismonthnames[2][7] = {{"Jan.", "März", "Mai ", "Juli", "Sep.", "Nov.", "Jän."},
                                          {"Jan.", "Mar.", "May ", "July", "Sep.", "Nov.", "Jan."}};

const char* const bodynames[2][13] = {{"kein Objekt", "Merkur", "Venus", "Erde", "Mars", "Jupiter", "Saturn", "Uranus",
                                       "Neptun", "Pluto", "Sonne", "Mond", "Test"},
                                      {"no Object", "Mercury", "Venus", "Earth", "Mars", "Jupiter", "Saturn", "Uranus",
                                       "Neptune", "Pluto", "Sun", "Moon", "Test"}};

const char* const shortbodynames[2][13] = {
    {"", "Mer.", "Ven.", "Erde", "Mars", "Jup.", "Sat.", "Ura.", "Nep.", "Plu.", "Son.", "Mond", ""},
    {"", "Mer.", "Ven.", "Ear.", "Mars", "Jup.", "Sat.", "Ura.", "Nep.", "Plu.", "Sun ", "Moon", ""}};

const char* const bodycodes[13] = {"",    "MER", "VEN", "EAR", "MAR",  "JUP", "SAT",
                                   "URA", "NEP", "PLU", "SUN", "MOON", ""};
const char* const bodyletters[13] = {"", "h", "v", "e", "m", "j", "s", "u", "n", "p", "S", "M", ""};

const char* const zodiacnames[2][14] = {{"", "Widder", "Stier", "Zwillinge", "Krebs", "Löwe", "Jungfrau", "Waage",
                                         "Skorpion", "Schütze", "Steinbock", "Wassermann", "Fische", "Ophiuchus"},
                                        {"", "Aries", "Taurus", "Gemini", "Crab", "Leo", "Virgo", "Libra", "Scorpio",
                                         "Sagittarius", "Capricorn", "Aquarius", "Pisces", "Ophiuchus"}};

const char* monthname(int month, Language language) {
  if (month < 1 || month > 12) return "";
  if (month == 1 && language == austrian) return monthnames[0][0];
  return monthnames[namerow(language)][month];
}

const char* shortmonthname(int month, Language language) {
  if (month < 1 || month > 12) return "";
  if (month == 1 && language == austrian) return shortmonthnames[0][0];
  return shortmonthnames[namerow(language)][month];
}

const char* weekdayname(int weekday, Language language) {
  return (weekday >= 1 && weekday <= 7) ? weekdaynames[namerow(language)][weekday] : "";
}

const char* shortweekdayname(int weekday, Language language) {
  return (weekday >= 1 && weekday <= 7) ? shortweekdaynames[namerow(language)][weekday] : "";
}

// ---- Numbers ----------------------------------------------------------------

int ordinalsuffix(int n) {
  const int r = n % 100;
  if (r > 9 && r < 21) return 0;
  const int last = n % 10;
  return (last >= 1 && last <= 3) ? last : 0;
}

int splitsexagesimal(double value, int& whole, int& minutes, int& seconds, int angle) {
  const bool negative = value < 0.0;
  const double v = std::fabs(value);
  if (!(v < 2147483647.0)) return 0;  // also refuses NaN
  int w = static_cast<int>(v);
  const double f = (v - w) * 60.0;
  int m = static_cast<int>(f);
  const double g = (f - m) * 60.0;
  int s = static_cast<int>(g);
  if (g - s >= 0.49999) ++s;
  if (s > 59) {
    s -= 60;
    ++m;
    if (m > 59) {
      m -= 60;
      ++w;
      if (angle == 0 && w == 24) w = 0;
      if (angle != 0 && w == 360) w = 0;
    }
  }
  whole = negative ? -w : w;
  minutes = m;
  seconds = s;
  return 1;
}

std::string formatsexagesimal(double value, int angle) {
  int w = 0, m = 0, s = 0;
  splitsexagesimal(value, w, m, s, angle);
  if (angle != 0) {
    if (value < 0.0 && w == 0) return strprintf("  -0°%02d'%02d\"", m, s);
    return strprintf("%4d°%02d'%02d\"", w, m, s);
  }
  if (value < 0.0 && w == 0) return strprintf(" -0h%02d'%02d\"", m, s);
  return strprintf("%3dh%02d'%02d\"", w, m, s);
}

std::string formatdecimal(double value, int width, int comma, int decimals) {
  double v = value;
  if (!(v <= 2147483640.0 && v >= -2147483640.0)) v = 0.0;  // also NaN
  const int n = decimals < 1 ? 1 : (decimals > 5 ? 5 : decimals);
  const bool negative = v < 0.0;
  if (negative) v = -v;
  long long whole = static_cast<long long>(v);
  const double f = v - std::floor(v);
  long long scale = 1;
  for (int i = 0; i < n; ++i) scale *= 10;
  long long digits = std::llabs(static_cast<long long>(f * static_cast<double>(scale * 100)));
  digits = (digits + 2) / 10;
  if (digits > scale * 10 - 1) digits = scale * 10 - 1;
  long long g = digits / 10 + (digits % 10 > 4 ? 1 : 0);
  if (g >= scale) {
    g = 0;
    ++whole;
  }
  std::string text = strprintf("%s%lld%c%0*lld", negative ? "-" : "", whole, comma ? ',' : '.', n, g);
  if (width > 0 && text.size() < static_cast<std::size_t>(width))
    text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  return text;
}

std::string formatdecimalpadded(double value, int width, int comma, int decimals) {
  if (decimals == 0) decimals = 2;
  std::string text = formatdecimal(value, width, comma, decimals);
  if (decimals == 1) text += ' ';
  return text;
}

std::string zonelabel(int zone, int half, Language language) {
  if (half) {
    if (zone <= 0) return strprintf("UTC-%d 1/2", -zone);
    return strprintf("UTC+%d 1/2", zone);
  }
  if (zone == 0) return "UTC";
  if (zone == 1) return language == english ? "UTC+1 (CET)" : "UTC+1 (MEZ)";
  if (zone == 2) return language == english ? "UTC+2 (CEST)" : "UTC+2 (MESZ)";
  if (zone > 0) return strprintf("UTC+%d", zone);
  return strprintf("UTC-%d", -zone);
}

int dialogzone(Language language, const CivilDate& date) {
  if (language == english) return 0;
  return summertime(date.day, date.month, date.year) == 1 ? 2 : 1;
}

int roundnearest(double value) {
  const bool negative = value < 0.0;
  const double v = std::fabs(value);
  int n = static_cast<int>(v);
  if (v - n > 0.49999) ++n;
  return negative ? -n : n;
}

// ---- Caption and icon ----------------------------------------------------------

CaptionIcon mainreportcaption(int page) {
  if (page == 0) return {{"Osterdatum", "Easter Date"}, "easter"};
  if (page >= 1 && page <= 12) return {{"Kalender", "Calendar"}, "calendar"};
  if (page >= 15 && page <= 26) return {{"Julianischer Kalender", "Julian Calendar"}, "calendar"};
  if (page == 28) return {{"Jahreszeiten", "Seasons"}, "seasons"};
  return {{"Osterdatum und Kalender", "Easter Date and Calendar"}, "easter"};
}

// ---- Text helpers -------------------------------------------------------------

namespace {
std::string vstrprintf(const char* format, va_list args) {
  char small[512];
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(small, sizeof small, format, copy);
  va_end(copy);
  if (n < 0) return std::string();
  if (static_cast<std::size_t>(n) < sizeof small) return std::string(small, static_cast<std::size_t>(n));
  std::string text(static_cast<std::size_t>(n) + 1, '\0');
  std::vsnprintf(text.data(), text.size(), format, args);
  text.resize(static_cast<std::size_t>(n));
  return text;
}

bool iscontinuation(unsigned char c) { return (c & 0xC0) == 0x80; }
}  // namespace

std::string strprintf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = vstrprintf(format, args);
  va_end(args);
  return text;
}

std::size_t utf8length(std::string_view text) {
  std::size_t n = 0;
  for (unsigned char c : text)
    if (!iscontinuation(c)) ++n;
  return n;
}

std::string utf8truncate(std::string_view text, std::size_t n) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!iscontinuation(static_cast<unsigned char>(text[i]))) {
      if (count == n) return std::string(text.substr(0, i));
      ++count;
    }
  }
  return std::string(text);
}

std::string padleft(std::string_view text, std::size_t width) {
  const std::size_t n = utf8length(text);
  std::string out;
  if (n < width) out.assign(width - n, ' ');
  out += text;
  return out;
}

std::string padright(std::string_view text, std::size_t width) {
  const std::size_t n = utf8length(text);
  std::string out(text);
  if (n < width) out.append(width - n, ' ');
  return out;
}

// ---- Report buffer ------------------------------------------------------------

void ReportBuffer::clear() {
  text_.clear();
  characters_ = 0;
}

void ReportBuffer::append(std::string_view text) {
  const std::size_t n = utf8length(text);
  if (characters_ + n <= capacity) {
    text_ += text;
    characters_ += n;
    return;
  }
  const std::size_t room = capacity - characters_;
  text_ += utf8truncate(text, room);
  characters_ = capacity;
}

void ReportBuffer::printf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  append(vstrprintf(format, args));
  va_end(args);
}

}  // namespace quendal
