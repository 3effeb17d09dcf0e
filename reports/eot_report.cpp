// The equation of time report; see eot_report.h.
#include "reports/eot_report.h"

#include <cmath>

#include "astro/sun.h"
#include "calendar/calendar.h"
#include "calendar/text.h"

namespace quendal {

namespace {

constexpr double halfsecond = 5.787e-6;              // day
constexpr double samplestep = 0.003472227222222222;  // 5 minutes, day
constexpr double tropicalyear = 365.2425;            // days, step 1209
constexpr int tropicalyearstep = 1209;               // quarter hours

int clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

EquationOfTimeInputs corrected(const EquationOfTimeInputs& in) {
  EquationOfTimeInputs c = in;
  c.year = clamp(in.year, 1000, 4000);
  c.month = clamp(in.month, 1, 12);
  c.day = clamp(in.day, 1, 31);
  while (c.day > 1 && dayofweek(c.day, c.month, c.year) <= 0) --c.day;
  c.hour = clamp(in.hour, 0, 23);
  c.zone = clamp(in.zone, -12, 12);
  c.step = clamp(in.step, 1, 9999);
  c.mode = in.mode == eotstatistics || in.mode == eotyear ? in.mode : eotlist;
  return c;
}

// Day of the month of the local date of a JD (UT).
int localday(double jd, int zone) {
  int y, m, d, h, mi, s;
  jdtodate(jd + zone / 24.0, y, m, d, h, mi, s);
  return d;
}

void listmode(ReportBuffer& t, const EquationOfTimeInputs& in, double start, std::vector<EotValue>& values,
              Language language) {
  const bool german = language != english;
  t.append(german ? "\r\n Schrittweite: " : "\r\n Step Size: ");
  const int hours = in.step / 4;
  if (hours != 0) t.append(strprintf("%d ", hours));
  static const char* const quarters[4] = {"", "1/4 ", "1/2 ", "3/4 "};
  t.append(quarters[in.step % 4]);
  if (hours > 1)
    t.append(german ? "Stunden " : "Hours ");
  else
    t.append(german ? "Stunde " : "Hour ");
  t.append("\r\n");
  double jd = start;
  for (int i = 0; i < 30; ++i) {
    values.push_back({jd, EquationOfTime(jd)});
    t.append(formateotinstant(jd, in.zone, language));
    t.append(formateotvalue(values.back().minutes, language));
    jd += in.step / 96.0;
  }
}

int statisticsmode(ReportBuffer& t, const EquationOfTimeInputs& in, double start, EquationOfTimeReport& r,
                   Language language) {
  const bool german = language != english;
  double end = start + 29.0 * in.step / 96.0;
  if (in.step == tropicalyearstep) {
    // One tropical year; when a leap day lies within it, the same date of the
    // next year is one day further.
    end = start + tropicalyear;
    if (localday(start + 365.0, in.zone) != localday(start, in.zone)) end += 1.0;
  }
  double sum = 0.0, largest = -1000.0, smallest = 1000.0;
  double largestjd = start, smallestjd = start;
  int count = 0;
  const long bound = (static_cast<long>(end - start) + 5) * 288;
  double jd = start;
  for (long i = 0; i < bound && jd <= end + 0.0001; ++i) {
    const double e = EquationOfTime(jd);
    sum += e;
    ++count;
    if (e > largest) {
      largest = e;
      largestjd = jd;
    }
    if (e < smallest) {
      smallest = e;
      smallestjd = jd;
    }
    jd += samplestep;
  }
  r.start = start;
  r.end = end;
  r.minimum = {smallestjd, smallest};
  r.maximum = {largestjd, largest};
  r.mean = count > 0 ? sum / count : 0.0;
  t.append(german ? "\r\n\r\n Auswertung: " : "\r\n\r\n Analysis: ");
  t.append(german ? "\r\n\r\n Schrittweite: 5 Minuten " : "\r\n\r\n Step Size: 5 Minutes ");
  t.append(strprintf(german ? "\r\n\r\n Anzahl der Berechnungen: %d " : "\r\n\r\n Number of Calculations: %d ", count));
  t.append(german ? "\r\n\r\n\r\n Startwert: " : "\r\n\r\n\r\n Start Value: ");
  t.append(formateotinstant(start, in.zone, language));
  t.append(german ? "\r\n\r\n\r\n Endwert: " : "\r\n\r\n\r\n End Value: ");
  t.append(formateotinstant(end, in.zone, language));
  t.append(german ? "\r\n\r\n\r\n Abweichung Minimum: " : "\r\n\r\n\r\n Divergence Minimum: ");
  t.append(formateotinstant(smallestjd, in.zone, language));
  t.append(formateotvalue(smallest, language));
  t.append(german ? "\r\n\r\n\r\n Abweichung Maximum: " : "\r\n\r\n\r\n Divergence Maximum: ");
  t.append(formateotinstant(largestjd, in.zone, language));
  t.append(formateotvalue(largest, language));
  t.append(german ? "\r\n\r\n\r\n Durchschnittliche Abweichung: " : "\r\n\r\n\r\n Average Divergence: ");
  t.append("\r\n ");
  t.append(formateotvalue(r.mean, language));
  if (german)
    t.append(
        "\r\n\r\n\r\n Methode von W.M. Smart in allen Berechnungen verwendet "
        "\r\n Maximale Abweichung 5 Sekunden innerhalb "
        "\r\n des Zeitraumes von 1900 bis 2100 ");
  else
    t.append(
        "\r\n\r\n\r\n Method of W.M. Smart used in all Calculations "
        "\r\n Maximum Divergence 5 Seconds within "
        "\r\n the Period from 1900 to 2100 ");
  return count;
}

void yearmode(ReportBuffer& t, const EquationOfTimeInputs& in, std::vector<EotValue>& values, Language language) {
  const bool german = language != english;
  static const char* const headings[2][eotyeareventcount] = {
      {"\r\n\r\n Großes  Minimum: ", "\r\n\r\n Erster  Nulldurchgang: ", "\r\n\r\n Kleines Maximum: ",
       "\r\n\r\n Zweiter Nulldurchgang: ", "\r\n\r\n Kleines Minimum: ", "\r\n\r\n Dritter Nulldurchgang: ",
       "\r\n\r\n Großes  Maximum: ", "\r\n\r\n Vierter Nulldurchgang: "},
      {"\r\n\r\n Great  Minimum: ", "\r\n\r\n First  Zero-Crossing: ", "\r\n\r\n Little Maximum: ",
       "\r\n\r\n Second Zero-Crossing: ", "\r\n\r\n Little Minimum: ", "\r\n\r\n Third  Zero-Crossing: ",
       "\r\n\r\n Great  Maximum: ", "\r\n\r\n Forth  Zero-Crossing: "}};
  t.append(
      strprintf(german ? "\r\n Jahresauswertung für das Jahr %d: " : "\r\n Evaluation for the Year %d: ", in.year));
  t.append("\r\n");
  int evaluations = 0;
  const EotYearTurningPoints events = eotturningpoints(in.year, evaluations);
  for (int i = 0; i < eotyeareventcount; ++i) {
    const EotTurningPoint& e = events[static_cast<std::size_t>(i)];
    values.push_back({e.jd, e.value});
    t.append(headings[namerow(language)][i]);
    t.append(formateotinstant(e.jd, in.zone, language));
    t.append(formateotvalue(e.value, language));
  }
}

}  // namespace

std::string formateotvalue(double minutes, Language language) {
  std::string t = " " + formatdecimal(minutes, 7, 0, 3);
  const double a = std::fabs(minutes);
  int m = static_cast<int>(a);
  int s = static_cast<int>((a - m + 1.0 / 120.0) * 60.0);
  if (s > 59) {
    s -= 60;
    m += 1;
  }
  t.append(strprintf(language == english ? " Min.= %2d Min. %02d Sec. " : " Min.= %2d Min. %02d Sek. ", m, s));
  if (m != 0 || s != 0) t.append(minutes < 0.0 ? "- " : "+ ");
  return t;
}

std::string formateotinstant(double jd, int zone, Language language) {
  int y, mo, d, h, mi, s;
  jdtodate(jd + zone / 24.0 + halfsecond, y, mo, d, h, mi, s);
  std::string t = "\r\n JD " + formatdecimal(jd, 0, 0, 5);
  t.append(" (");
  t.append(shortweekdayname(dayofweek(d, mo, y), language));
  t.append(")");
  t.append(strprintf(" %d-%02d-%02d %02d:%02d ", y, mo, d, h, mi));
  t.append(zonelabel(zone, 0, language));
  return t;
}

EotYearTurningPoints eotturningpoints(int year, int& evaluations) {
  EotYearTurningPoints events{};
  static const int modes[eotyeareventcount] = {-1, 0, 1, 0, -1, 0, 1, 0};
  double jd = datetojd(year, 1, 1);
  for (int i = 0; i < eotyeareventcount; ++i) {
    double value = 0.0;
    jd = EquationOfTimeExtremum(jd, value, evaluations, modes[i]);
    events[static_cast<std::size_t>(i)] = {roundjdtominute(jd), value};
    jd += 5.0;
  }
  return events;
}

int EotYearEvents(YearEventCache& cache, int year, int& evaluations) {
  const int slot = findeotyear(cache, year);
  if (slot != 0) return slot;
  return storeeotyear(cache, year, eotturningpoints(year, evaluations));
}

int EotYearEvents(YearEventCache& cache, int year) {
  int evaluations = 0;
  return EotYearEvents(cache, year, evaluations);
}

EquationOfTimeReport buildequationoftimereport(const EquationOfTimeInputs& inputs, Language language) {
  EquationOfTimeReport r;
  r.corrected = corrected(inputs);
  const EquationOfTimeInputs& in = r.corrected;
  const double start = datetojd(in.year, in.month, in.day) + in.hour / 24.0 - in.zone / 24.0;
  ReportBuffer b;
  switch (in.mode) {
    case eotstatistics:
      r.evaluations = statisticsmode(b, in, start, r, language);
      break;
    case eotyear:
      yearmode(b, in, r.values, language);
      break;
    default:
      listmode(b, in, start, r.values, language);
      break;
  }
  r.text = b.text();
  return r;
}

}  // namespace quendal
