// The moon report; see moon_report.h.
#include "reports/moon_report.h"

#include <algorithm>
#include <cmath>

#include "astro/apparent.h"
#include "astro/eclipses.h"
#include "astro/frame.h"
#include "astro/lunar_events.h"
#include "astro/moon.h"
#include "astro/seasons.h"
#include "astro/timescales.h"
#include "calendar/calendar.h"
#include "calendar/text.h"

namespace quendal {

namespace {

constexpr double mjdzero = 2400000.5;  // JD of MJD 0

struct Context {
  MoonReportInputs c;
  Language language = english;
  bool german = false;
  bool automatic = false;
  double jd = 0;  // the instant of the inputs, UT
};

// The zone offset in days of a fixed zone (not the automatic one).
double fixedoffset(const Context& x) {
  double offset = x.c.zone / 24.0;
  if (x.c.half && x.c.zone > 0) offset += 1.0 / 48.0;
  if (x.c.half && x.c.zone < 0) offset -= 1.0 / 48.0;
  return offset;
}

// The zone label of the time lines of page 0 and page 5.
std::string fulllabel(const Context& x, bool summer) {
  if (x.automatic) {
    if (x.german) return summer ? "MESZ" : "MEZ";
    return summer ? "CEST" : "CET";
  }
  if (x.c.zone == 0) return x.german ? "UTC (Weltzeit)" : "UTC (World Time)";
  return zonelabel(x.c.zone, x.c.half, x.language);
}

// The zone label of the lists of pages 1..4 and 6: four characters for the
// automatic zone.
std::string listlabel(const Context& x, bool summer) {
  if (x.automatic) {
    if (x.german) return summer ? "MESZ" : "MEZ ";
    return summer ? "CEST" : "CET ";
  }
  return zonelabel(x.c.zone, x.c.half, x.language);
}

// An instant in the output zone.
struct LocalTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  bool summer = false;  // automatic zone: summer time applied
};

// The civil date and time of a UT instant in the output zone; without the
// seconds flag rounded to the minute first. The automatic zone takes its
// offset from the summer-time rule of the event's own date.
LocalTime zonetime(const Context& x, double jd) {
  if (!x.c.seconds) jd = roundjdtominute(jd);
  LocalTime t;
  double offset = 0;
  if (x.automatic) {
    mjdtodatetime(jd - mjdzero, t.year, t.month, t.day, t.hour, t.minute, t.second);
    t.summer = summertime(t.day, t.month, t.year) == 1;
    offset = (t.summer ? 2.0 : 1.0) / 24.0;
  } else {
    offset = fixedoffset(x);
  }
  mjdtodatetime(jd - mjdzero + offset, t.year, t.month, t.day, t.hour, t.minute, t.second);
  return t;
}

std::string jdtext(const Context& x, double jd) { return formatdecimal(jd, 13, x.german, 5); }

// "\r\n Samstag, 6. Jänner 2024 um ca. 19:24 MEZ  in 3 Tagen ".
void eventline(ReportBuffer& b, const Context& x, double event) {
  const LocalTime t = zonetime(x, event);
  const int w = dayofweek(t.day, t.month, t.year);
  const std::string label = fulllabel(x, t.summer);
  const Language L = x.language;
  if (x.german) {
    if (x.c.seconds)
      b.printf("\r\n %s, %d. %s %d um ca. %02d:%02d:%02d %s ", weekdayname(w, L), t.day, monthname(t.month, L), t.year,
               t.hour, t.minute, t.second, label.c_str());
    else
      b.printf("\r\n %s, %d. %s %d um ca. %02d:%02d %s ", weekdayname(w, L), t.day, monthname(t.month, L), t.year,
               t.hour, t.minute, label.c_str());
  } else {
    if (x.c.seconds)
      b.printf("\r\n %s, %s %d%s, %d at approx. %02d:%02d:%02d %s ", weekdayname(w, L), monthname(t.month, L), t.day,
               ordinal(t.day), t.year, t.hour, t.minute, t.second, label.c_str());
    else
      b.printf("\r\n %s, %s %d%s, %d at approx. %02d:%02d %s ", weekdayname(w, L), monthname(t.month, L), t.day,
               ordinal(t.day), t.year, t.hour, t.minute, label.c_str());
  }
  const int days = static_cast<int>(std::trunc(event - x.jd));
  if (days >= 1) {
    b.printf(x.german ? " in %d Tag" : " in %d Day", days);
    b.append(days > 1 ? (x.german ? "en " : "s ") : " ");
  } else {
    b.append(x.german ? " in < 1 Tag" : " in < 1 Day");
    b.append(" ");
  }
}

// "\r\n 06. Jänner (Sa.) ca. 19:24 MEZ " / "\r\n January  6th (Sat) approx. 19:24 CET ".
void listline(ReportBuffer& b, const Context& x, double event) {
  const LocalTime t = zonetime(x, event);
  const Language L = x.language;
  const char* weekday = shortweekdayname(dayofweek(t.day, t.month, t.year), L);
  const std::string label = listlabel(x, t.summer);
  if (x.german) {
    if (x.c.seconds)
      b.printf("\r\n %02d. %s (%s.) ca. %02d:%02d:%02d %s ", t.day, monthname(t.month, L), weekday, t.hour, t.minute,
               t.second, label.c_str());
    else
      b.printf("\r\n %02d. %s (%s.) ca. %02d:%02d %s ", t.day, monthname(t.month, L), weekday, t.hour, t.minute,
               label.c_str());
  } else {
    if (x.c.seconds)
      b.printf("\r\n %s %2d%s (%s) approx. %02d:%02d:%02d %s ", monthname(t.month, L), t.day, ordinal(t.day), weekday,
               t.hour, t.minute, t.second, label.c_str());
    else
      b.printf("\r\n %s %2d%s (%s) approx. %02d:%02d %s ", monthname(t.month, L), t.day, ordinal(t.day), weekday,
               t.hour, t.minute, label.c_str());
  }
}

// The first phase q at or after the instant, lunations from k on.
double phaseatorafter(int& k, double q, double from) {
  double t = LunarPhase(k, q);
  while (t < from) t = LunarPhase(++k, q);
  return t;
}

void dateline(ReportBuffer& b, const Context& x) {
  const MoonReportInputs& c = x.c;
  const int w = dayofweek(c.day, c.month, c.year);
  if (x.german)
    b.printf("\r\n Datum: %s, %d. %s %d ", weekdayname(w, x.language), c.day, monthname(c.month, x.language), c.year);
  else
    b.printf("\r\n Date: %s, %s %d%s, %d", weekdayname(w, x.language), monthname(c.month, x.language), c.day,
             ordinal(c.day), c.year);
  b.append(x.german ? "\r\n Julianisches Datum: (JD) " : "\r\n Julian Date: (JD) ");
  b.append(jdtext(x, x.jd));
}

// An angle (or with hours set, a time) as the seconds flag asks: sexagesimal
// (ending in the seconds mark), or one decimal in six characters followed by
// the blank of formatdecimalpadded.
std::string anglevalue(const Context& x, double value, bool hours) {
  if (x.c.seconds) return formatsexagesimal(value, hours ? 0 : 1);
  return formatdecimalpadded(value, 6, x.german, 1);
}

void positionline(ReportBuffer& b, const Context& x, double ra, double dec, bool moon) {
  b.append(x.german ? "\r\n Rektaszension (Stunden / Grad): " : "\r\n Right Ascension (Hours / Degree): ");
  b.append(anglevalue(x, ra, true));
  b.append("/ ");
  b.append(anglevalue(x, ra * 15.0, false));
  b.append(" ");
  b.append(x.german ? "- Deklination (Grad): " : "- Declination (Degree): ");
  b.append(anglevalue(x, dec, false));
  if (moon)
    b.append(x.german ? "(Mond)" : "(Moon)");
  else
    b.append(x.german ? "(Sonne)" : "(Sun)");
}

void accuracyfooter(ReportBuffer& b, const Context& x, bool trailingblank) {
  if (x.german) {
    b.append(trailingblank ? "\r\n\r\n Typische Genauigkeit von 1/4 - 1 1/2 Minuten! "
                           : "\r\n\r\n Typische Genauigkeit von 1/4 - 1 1/2 Minuten!");
    b.append("\r\n (Innerhalb des Zeitraumes von 1900 bis 2100) ");
  } else {
    b.append(trailingblank ? "\r\n\r\n Typical Exactness 1/4 - 1 1/2 Minutes! "
                           : "\r\n\r\n Typical Exactness 1/4 - 1 1/2 Minutes!");
    b.append("\r\n (Within the Period from 1900 to 2100) ");
  }
}

void currentstate(ReportBuffer& b, const Context& x, MoonReport& r) {
  const MoonReportInputs& c = x.c;
  const bool g = x.german;
  const Language L = x.language;
  dateline(b, x);

  double phaseangle = 0;
  const double percent = 100.0 * MoonIllumination(x.jd, phaseangle);
  MoonState& state = r.state;
  state.illumination = percent;
  b.append(g ? "\r\n Mondbeleuchtung um " : "\r\n Moon's Illumination at ");
  b.printf("%2d:%02d ", c.hour, c.minute);
  b.append(fulllabel(x, summertime(c.day, c.month, c.year) == 1));
  b.append(":");
  b.append(formatdecimalpadded(percent, 7, g, 2));
  b.append(g ? " Prozent" : " Percent");

  // The lunation of the last new moon at or before the instant.
  int k = FirstLunationToTry(c.year, c.month);
  phaseatorafter(k, 0.0, x.jd);
  const int lunation = k - 1;
  const double age = x.jd - LunarPhase(lunation, 0.0);
  state.age = age;
  state.lunation = lunation;
  b.append(g ? "\r\n Mondalter: " : "\r\n Moon's Age: ");
  b.append(formatdecimalpadded(age, 8, g, 4));
  b.append(g ? " Tage = " : " Days = ");
  {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    mjdtodatetime(age, y, mo, d, h, mi, s);
    int days = static_cast<int>(std::floor(age));
    if (s >= 30 && ++mi > 59) {
      mi = 0;
      if (++h > 23) {
        h = 0;
        ++days;
      }
    }
    b.printf(g ? "%2d Tage %2d Stunden %2d Minuten " : "%2d Days %2d Hours %2d Minutes ", days, h, mi);
  }
  b.append(g ? " \r\n Mondphase = " : " \r\n Moon's Phase = ");
  state.phase = MoonPhaseIndex(MoonAgeAngle(x.jd), percent);
  b.append(moonphasenames[namerow(L)][state.phase]);

  const InstantFrame frame = FrameAt(InstantFromUT(x.jd));
  const ApparentPlace moon = BodyPosition(frame, BodyCode::Moon);
  b.append(g ? "\r\n Entfernung Erde - Mond: " : "\r\n Distance Earth - Moon: ");
  state.kilometres = moon.distance * 149597870.691;
  b.printf("%d km", roundnearest(state.kilometres));

  double librationlatitude = 0, librationlongitude = 0;
  MoonLibration(x.jd, librationlatitude, librationlongitude);
  state.librationlongitude = librationlongitude;
  state.librationlatitude = librationlatitude;
  auto libration = [&](double value) {
    if (c.seconds) {
      b.append(formatsexagesimal(value, 1) + " ");
    } else {
      b.append(formatdecimalpadded(value, 5, g, 3));
      b.append(g ? " Grad " : " Degree ");
    }
  };
  b.append(g ? "\r\n Libration in Länge: " : "\r\n Libration in Longitude: ");
  libration(librationlongitude);
  b.append(g ? "\r\n Libration in Breite: " : "\r\n Libration in Latitude: ");
  libration(librationlatitude);

  positionline(b, x, moon.ra, moon.dec, true);
  const double moonmagnitude = moon.magnitude, moondiameter = moon.diameter;
  const ApparentPlace sun = BodyPosition(frame, BodyCode::Sun);
  positionline(b, x, sun.ra, sun.dec, false);
  state.moonra = moon.ra, state.moondec = moon.dec, state.sunra = sun.ra, state.sundec = sun.dec;
  state.magnitude = moonmagnitude, state.diameter = moondiameter;

  if (L == english)
    b.printf("\r\n Rotation Period (k-Value) (0 = New Moon from Jan. 6th, 2000): %d ", lunation);
  else if (L == austrian)
    b.printf("\r\n Umlaufperiode (k-Wert) (0 = Neumond vom 6. Jän. 2000): %d ", lunation);
  else
    b.printf("\r\n Umlaufperiode (k-Wert) (0 = Neumond vom 6. Jan. 2000): %d ", lunation);

  b.append("\r\n Magnitude: ");
  b.append(formatdecimalpadded(moonmagnitude, 3, g, 1));
  b.append("- Durchmesser: ");  // the same word in both languages
  b.append(formatdecimalpadded(moondiameter / 60.0, 3, g, 1));
  b.append("'");

  // The next phases: each the first of its kind at or after its start.
  const int k0 = FirstLunationToTry(c.year, c.month);
  struct Step {
    double q;
    const char* german;
    const char* english;
    bool fromprevious;  // search from the previous event instead of the instant
    MoonEventKind kind;
  };
  static const Step steps[5] = {
      {0.5, " Nächster Vollmond: JD ", " Next Full Moon: JD ", false, MoonEventKind::fullmoon},
      {0.0, " Nächster Neumond: JD ", " Next New Moon: JD ", false, MoonEventKind::newmoon},
      {0.25, " Danach nächstes Erstes Viertel: JD ", " Afterwards next First Quarter: JD ", true,
       MoonEventKind::firstquarter},
      {0.5, " Danach nächster Vollmond: JD ", " Afterwards next Full Moon: JD ", true, MoonEventKind::fullmoon},
      {0.75, " Danach nächstes Letztes Viertel: JD ", " Afterwards next Last Quarter: JD ", true,
       MoonEventKind::lastquarter},
  };
  double previous = x.jd;
  for (const Step& s : steps) {
    int kk = k0;
    const double t = phaseatorafter(kk, s.q, s.fromprevious ? previous : x.jd);
    previous = t;
    r.events.push_back({s.kind, t});
    b.append("\r\n\r\n");
    b.append(g ? s.german : s.english);
    b.append(jdtext(x, t));
    eventline(b, x, t);
  }

  // Apogee and perigee: the first of each not earlier than the instant.
  for (int mode : {1, -1}) {
    double kilometres = 0;
    int evaluations = 0;
    const double apsis = NextApsis(x.jd, kilometres, evaluations, mode);
    r.events.push_back({mode > 0 ? MoonEventKind::apogee : MoonEventKind::perigee, apsis, kilometres});
    b.append("\r\n\r\n");
    if (mode > 0)
      b.append(g ? " Nächstes Apogäum (Erdferne): JD " : " Next Apogee (farest to Earth): JD ");
    else
      b.append(g ? " Nächstes Perigäum (Erdnähe): JD " : " Next Perigee (nearest to Earth): JD ");
    b.append(jdtext(x, apsis));
    eventline(b, x, apsis);
    b.append(g ? "\r\n Entfernung Erde - Mond: " : "\r\n Distance Earth - Moon: ");
    b.printf("%d km", roundnearest(kilometres));
  }
  accuracyfooter(b, x, true);
}

void yearphases(ReportBuffer& b, const Context& x, int page, MoonReport& r) {
  const MoonReportInputs& c = x.c;
  const bool g = x.german;
  static const char* const headings[2][4] = {{" Vollmonde des Jahres %d", " Neumonde des Jahres %d",
                                              " Erste Viertel des Jahres %d", " Letzte Viertel des Jahres %d"},
                                             {" Full Moons of the Year %d", " New Moons of the Year %d",
                                              " First Quarters of the Year %d", " Last Quarters of the Year %d"}};
  static const double fractions[4] = {0.5, 0.0, 0.25, 0.75};
  static const MoonEventKind kinds[4] = {MoonEventKind::fullmoon, MoonEventKind::newmoon, MoonEventKind::firstquarter,
                                         MoonEventKind::lastquarter};
  const double q = fractions[page - 1];
  b.printf(headings[g ? 0 : 1][page - 1], c.year);
  b.append(": ");
  b.append(listlabel(x, summertime(c.day, c.month, c.year) == 1));
  b.append("\r\n");
  b.append("\r\n\r\n");

  // Twenty phases from 1 September of the year before; each search starts 22
  // days after the phase found before (less than the shortest lunation).
  int year = c.year - 1, month = 9, day = 1;
  double previous = 0;
  for (int line = 0; line < 20; ++line) {
    int k = FirstLunationToTry(year, month);
    const double t = phaseatorafter(k, q, datetojd(year, month, day));
    if (previous > 0) {
      // The interval from the phase of the line before, as printed.
      const double interval = c.seconds ? t - previous : roundjdtominute(t) - roundjdtominute(previous);
      if (interval > 0) {
        if (c.seconds) {
          const int total = roundnearest(interval * 86400.0);
          b.printf(g ? "+ %d Tg " : "+ %d d ", total / 86400);
          b.printf(g ? "%2d Std %2d Min %2d Sek = " : "%2d h %2d min %2d sec = ", total / 3600 % 24, total / 60 % 60,
                   total % 60);
        } else {
          const int total = roundnearest(interval * 1440.0);
          b.printf(g ? "+ %d Tg " : "+ %d d ", total / 1440);
          b.printf(g ? "%2d Std %2d Min = " : "%2d h %2d min = ", total / 60 % 24, total % 60);
        }
      }
    }
    listline(b, x, t);
    r.events.push_back({kinds[page - 1], t});
    previous = t;
    int hour = 0, minute = 0, second = 0;
    mjdtodatetime(t - mjdzero, year, month, day, hour, minute, second);
    day += 22;
    while (day > daysinmonth(month, year)) {
      day -= daysinmonth(month, year);
      if (++month > 12) {
        month = 1;
        ++year;
      }
    }
  }

  r.deltat = DeltaTForJD(datetojd(c.year, 1, 1));
  const int deltat = roundnearest(r.deltat);
  if (g) {
    b.append("\r\n\r\n Zeitdrift (deltaT) Dynamische Zeit (TD) <-> UTC");
    b.printf("\r\n von ca. %d Sekunden für Anfang %d berücksichtigt ", deltat, c.year);
  } else {
    b.append("\r\n\r\n Difference (deltaT) Dynamical Time (TD) <-> UTC");
    b.printf("\r\n of approx. %d Seconds for the Beginning of %d ", deltat, c.year);
  }
  accuracyfooter(b, x, false);
}

void eclipses(ReportBuffer& b, const Context& x, MoonReport& r) {
  const MoonReportInputs& c = x.c;
  const bool g = x.german;
  dateline(b, x);
  b.append(g ? "\r\n\r\n Die nächsten Finsternisse: " : "\r\n\r\n The next Eclipses: ");

  struct Request {
    int kind, type;
    const char* germantype;
    const char* englishtype;
    MoonEventKind event;
    double jd;
  };
  Request requests[5] = {
      {SolarEclipse, PartialEclipse, " Nächste Partielle ", " Next Partial ", MoonEventKind::partialsolareclipse, 0},
      {SolarEclipse, TotalEclipse, " Nächste Totale ", " Next Total ", MoonEventKind::totalsolareclipse, 0},
      {SolarEclipse, AnnularEclipse, " Nächste Ringförmige ", " Next Circular ", MoonEventKind::annularsolareclipse, 0},
      {LunarEclipse, PartialEclipse, " Nächste Partielle ", " Next Partial ", MoonEventKind::partiallunareclipse, 0},
      {LunarEclipse, TotalEclipse, " Nächste Totale ", " Next Total ", MoonEventKind::totallunareclipse, 0},
  };
  const int k0 = FirstLunationToTry(c.year, c.month, c.day);
  for (Request& q : requests) {
    // Every kind recurs within a few decades; the bound only guards the loop.
    for (int k = k0; k < k0 + 5000; ++k) {
      const double t = EclipseMaximum(k, q.kind, q.type);
      if (t >= x.jd) {
        q.jd = t;
        break;
      }
    }
  }
  std::stable_sort(std::begin(requests), std::end(requests),
                   [](const Request& first, const Request& second) { return first.jd < second.jd; });
  for (const Request& q : requests) {
    r.events.push_back({q.event, q.jd});
    b.append("\r\n\r\n");
    b.append(g ? q.germantype : q.englishtype);
    if (q.kind == SolarEclipse)
      b.append(g ? "Sonnenfinsternis: JD " : "Eclipse of the Sun: JD ");
    else
      b.append(g ? "Mondfinsternis: JD " : "Eclipse of the Moon: JD ");
    b.append(jdtext(x, q.jd));
    eventline(b, x, q.jd);
  }
  if (g) {
    b.append("\r\n\r\n Zeitpunkt ist ca. Maximalwert der Finsternis ");
    b.append("\r\n Genauigkeit ca. 1/4 - 1 1/2 Minuten \r\n (Innerhalb des Zeitraumes von 1950 - 2050) ");
  } else {
    b.append("\r\n\r\n Time is approx. Maximum of the Eclipse ");
    b.append("\r\n Exactness approx. 1/4 - 1 1/2 Minutes \r\n (Within the Period from 1950 to 2050) ");
  }
}

void seasons(ReportBuffer& b, const Context& x, MoonReport& r) {
  const MoonReportInputs& c = x.c;
  const bool g = x.german;
  static const char* const names[2][4] = {{"Frühling (Nordhalbkugel) ", "Sommer   (Nordhalbkugel) ",
                                           "Herbst   (Nordhalbkugel) ", "Winter   (Nordhalbkugel) "},
                                          {"Spring (Northern Hemisphere) ", "Summer (Northern Hemisphere) ",
                                           "Autumn (Northern Hemisphere) ", "Winter (Northern Hemisphere) "}};
  b.append(g ? "\r\n Beginn der Jahreszeiten " : "\r\n Begin of the Seasons ");
  b.printf(g ? "\r\n\r\n für das Jahr %d: " : "\r\n\r\n for the Year %d: ", c.year);
  b.append(x.c.zone == 0 && !x.automatic ? std::string("UTC ") : listlabel(x, summertime(c.day, c.month, c.year) == 1));
  static const MoonEventKind kinds[4] = {MoonEventKind::spring, MoonEventKind::summer, MoonEventKind::autumn,
                                         MoonEventKind::winter};
  for (int season = 1; season <= 4; ++season) {
    r.events.push_back({kinds[season - 1], SeasonBegin(c.year, season)});
    listline(b, x, r.events.back().jd);
    b.append(names[g ? 0 : 1][season - 1]);
  }
  accuracyfooter(b, x, false);
}

MoonReportInputs corrected(const MoonReportInputs& in) {
  MoonReportInputs c = in;
  c.year = std::clamp(in.year, 1600, 2400);
  c.month = std::clamp(in.month, 1, 12);
  c.day = std::clamp(in.day, 1, 31);
  while (c.day > 28 && dayofweek(c.day, c.month, c.year) <= 0) --c.day;
  c.hour = std::clamp(in.hour, 0, 23);
  c.minute = std::clamp(in.minute, 0, 59);
  c.half = std::clamp(in.half, 0, 1);
  if (in.zone != automaticzone) c.zone = std::clamp(in.zone, -12, 12);
  if (c.zone == 0 || c.zone == 12 || c.zone == -12 || c.zone == automaticzone) c.half = 0;
  c.seconds = in.seconds ? 1 : 0;
  if (c.page < moonnow || c.page > moonseasons) c.page = moonnow;
  return c;
}

}  // namespace

MoonReport buildmoonreport(const MoonReportInputs& in, Language language) {
  MoonReport r;
  Context x;
  x.c = r.corrected = corrected(in);
  x.language = language;
  x.german = language != english;
  x.automatic = x.c.zone == automaticzone;
  r.automatic = x.automatic ? 1 : 0;
  const MoonReportInputs& c = x.c;

  const double offset = x.automatic ? (summertime(c.day, c.month, c.year) == 1 ? 2.0 : 1.0) / 24.0 : fixedoffset(x);
  x.jd = datetojd(c.year, c.month, c.day) + c.hour / 24.0 + c.minute / 1440.0 - offset;
  r.jd = x.jd;

  ReportBuffer b;
  switch (c.page) {
    case mooneclipses:
      r.caption = x.german ? "Sonnen- und Mondfinsternisse" : "Eclipses of the Sun and Moon";
      eclipses(b, x, r);
      break;
    case moonseasons:
      r.caption = x.german ? "Beginn der Jahreszeiten" : "Begin of the Seasons";
      seasons(b, x, r);
      break;
    case moonnow:
      r.caption = x.german ? "Mondphasen berechnen" : "Moon Phase Calculation";
      currentstate(b, x, r);
      break;
    default:
      r.caption = x.german ? "Mondphasen berechnen" : "Moon Phase Calculation";
      yearphases(b, x, c.page, r);
      break;
  }
  r.text = b.text();
  return r;
}

}  // namespace quendal
