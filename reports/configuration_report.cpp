// The configuration evaluation box; see configuration_report.h.
#include "reports/configuration_report.h"

#include "calendar/calendar.h"
#include "calendar/encoding.h"
#include "calendar/text.h"

namespace quendal {

namespace {

constexpr double daysperweek = 7.0;
constexpr double dayspermonth = 30.436875;  // 365.2425 / 12
constexpr double daysperyear = 365.2425;

void dateentry(ReportBuffer& b, const PersonalDate& d, int days, Language language) {
  const int w = dayofweek(d.day, d.month, d.year);
  const bool german = language != english;
  if (german)
    b.printf("\r\n %d. %s %d - %s - %s ", d.day, monthname(d.month, language), d.year, weekdayname(w, language),
             d.text.c_str());
  else
    b.printf("\r\n %s %d%s, %d - %s - %s ", monthname(d.month, language), d.day, ordinal(d.day), d.year,
             weekdayname(w, language), d.text.c_str());
  const int comma = german ? 1 : 0;
  b.printf(german ? "\r\n %d Tage; " : "\r\n %d Days; ", days);
  b.append(formatdecimalpadded(days / daysperweek, 3, comma, 2));
  b.append(german ? " Wochen; " : " Weeks; ");
  b.append(formatdecimalpadded(days / dayspermonth, 3, comma, 1));
  b.append(german ? "Monate; " : "Months; ");
  b.append(formatdecimalpadded(days / daysperyear, 3, comma, 2));
  b.append(german ? " Jahre Differenz " : " Years Difference ");
  b.append("\r\n");
}

}  // namespace

ConfigurationReport buildconfigurationevaluation(const ConfigurationReportInputs& in, Language language) {
  const bool german = language != english;
  ConfigurationReport report;
  report.title = german ? "Auswertung der INI-Datei" : "Interpretation of the INI-File";
  // The name of the file read, without its directory (bytes that are not
  // UTF-8 shown as U+FFFD).
  const std::string name =
      in.file.empty() ? "QUENDAL6.INI" : utf32toutf8(utf8toutf32(in.file.substr(in.file.find_last_of('/') + 1)));
  ReportBuffer b;
  if (in.result == 0) {
    b.append(german ? "\n INI-Datei \"QUENDAL6.INI\" nicht gefunden! " : "\n INI-File \"QUENDAL6.INI\" not found! ");
  } else if (in.result < 0) {
    if (german) {
      b.append("\n Die INI-Datei \"" + name + "\" ist zu groß! ");
      b.append("\n (größer als 64 kB) ");
      b.append("\n Verarbeitung aus Sicherheitsgründen abgebrochen ");
    } else {
      b.append("\n INI-File \"" + name + "\" is too big! ");
      b.append("\n (more than 64 kB) ");
      b.append("\n Processing stopped due to safety reasons ");
    }
  } else {
    const int ty = in.todayyear, tm = in.todaymonth, td = in.todayday;
    const int tw = dayofweek(td, tm, ty);
    if (german)
      b.printf(" Heute ist %s, der %d. %s %d \r\n", weekdayname(tw, language), td, monthname(tm, language), ty);
    else
      b.printf(" Today is %s %s %d%s, %d \r\n", weekdayname(tw, language), monthname(tm, language), td, ordinal(td),
               ty);
    // Both dates are Gregorian (personal dates lie in 1601..9998), so the
    // difference of their day numbers is a difference of MJDs.
    const int today = datetomjd(ty, tm, td);
    bool any = false;
    for (const PersonalDate& d : in.dates) {
      if (dayofweek(d.day, d.month, d.year) <= 0) continue;
      dateentry(b, d, today - datetomjd(d.year, d.month, d.day), language);
      any = true;
    }
    if (!any) {
      if (german) {
        b.append("\r\n Keine Daten (Datum) in INI-Datei         ");
        b.append("\r\n \"" + name + "\" gefunden! ");
      } else {
        b.append("\r\n No Data (Dates) found in         ");
        b.append("\r\n INI-File \"" + name + "\"!   ");
      }
    }
  }
  report.text = b.text();
  return report;
}

std::string configurationsource(const std::string& file, const std::vector<std::string>& lookedfor, Language language) {
  const bool german = language != english;
  // A file name as the user finds it ("./QUENDAL6.INI" in the working directory).
  const auto shown = [](const std::string& path) { return path.find('/') == std::string::npos ? "./" + path : path; };
  std::string text = "\r\n\r\n";
  if (!file.empty()) return text + (german ? " Datei: " : " File: ") + shown(file) + "\r\n";
  text += german ? " Gesucht:" : " Looked for:";
  for (const std::string& candidate : lookedfor) text += " " + shown(candidate);
  return text + "\r\n";
}

}  // namespace quendal
