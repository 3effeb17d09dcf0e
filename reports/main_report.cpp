// The main report (Easter and calendar pages); see main_report.h.
#include "reports/main_report.h"

#include "calendar/calendar.h"
#include "calendar/easter.h"
#include "calendar/text.h"
#include "reports/web_addresses.h"

namespace quendal {

namespace {

bool isgermantext(Language language) { return language != english; }

// " Ostern fällt auf Sonntag, den 31. März 2024" / " Quendal is on Sunday March 31st, 2024"
void feastline(ReportBuffer& b, int word, DayMonth date, int year, Language language) {
  const int w = dayofweek(date.day, date.month, year);
  if (isgermantext(language))
    b.printf(" %s fällt auf %s, den %d. %s %d", feastwords[0][word], weekdayname(w, language), date.day,
             monthname(date.month, language), year);
  else
    b.printf(" %s is on %s %s %d%s, %d", feastwords[1][word], weekdayname(w, language), monthname(date.month, language),
             date.day, ordinal(date.day), year);
}

void yearoverview(ReportBuffer& b, const MainReportInputs& in, Language language) {
  const int year = in.year;
  const bool german = isgermantext(language);
  if (german) {
    b.printf("\r\n %s ", feastwords[0][0]);
    b.append("(vom Osterdatum abhängig): ");
    b.append(year < 1583 ? "(julianisch) \r\n\r\n" : "(gregorianisch) \r\n\r\n");
  } else {
    b.printf("\r\n %s ", feastwords[1][0]);
    b.append("(depending on the Easter Date): ");
    b.append(year < 1583 ? "(julian) \r\n\r\n" : "(gregorian) \r\n\r\n");
  }
  const int s = eastersundaygregorian(year);
  feastline(b, 1, feastdate(s, eastersunday, year), year, language);
  b.append("\r\n");
  feastline(b, 2, feastdate(s, ascensionday, year), year, language);
  b.append("\r\n");
  feastline(b, 3, feastdate(s, whitsunday, year), year, language);
  b.append("\r\n");
  feastline(b, 4, feastdate(s, corpuschristi, year), year, language);
  if (year >= 1583) {
    b.append("\r\n\r\n");
    if (german)
      b.printf(" (Epakte: %d, Goldene Zahl: %d für das Jahr %d)", epact(year), goldennumber(year), year);
    else
      b.printf(" (Epact: %d, Golden Number: %d for the Year %d)", epact(year), goldennumber(year), year);
  }

  const int ty = in.todayyear, tm = in.todaymonth, td = in.todayday;
  const int tw = dayofweek(td, tm, ty);
  const int tn = dayofyear(td, tm, ty);
  b.append("\r\n\r\n");
  if (german)
    b.printf(" Heute ist %s, der %d. %s %d ", weekdayname(tw, language), td, monthname(tm, language), ty);
  else
    b.printf(" Today is %s, %s %d%s, %d ", weekdayname(tw, language), monthname(tm, language), td, ordinal(td), ty);
  b.append("\r\n");
  if (german)
    b.printf(" (Der %d. Tag des Jahres %d -", tn, ty);
  else
    b.printf(" (The %d%s Day of the Year %d -", tn, ordinal(tn), ty);
  const int r = dayofyear(31, 12, ty) - tn;
  if (r == 0) {
    b.append(german ? " Der letzte Tag des Jahres) " : " The last Day of the Year) ");
  } else if (german) {
    b.printf(" %d Tag", r);
    b.append(r == 1 ? " verbleibend) " : "e verbleibend) ");
  } else {
    b.printf(" %d Day", r);
    b.append(r == 1 ? " remaining) " : "s remaining) ");
  }
}

// Column 1 (Monday) .. 7 (Sunday) of a dayofweek result.
int weekcolumn(int weekday) {
  const int c = weekday - 1;
  return c == 0 ? 7 : c;
}

void weekline(ReportBuffer& b, int week) { b.printf(week < 10 ? "\r\n 0%d    " : "\r\n %d    ", week); }

void monthcalendar(ReportBuffer& b, const MainReportInputs& in, int month, Language language) {
  const int year = in.year;
  const bool german = isgermantext(language);
  b.printf(german ? "\r\n        %s %d " : "\r\n    %s %d ", monthname(month, language), year);
  if (isgregorian(year, month, 1))
    b.append("(greg.)");
  else
    b.append(year == 1582 && month == 10 ? "(jul. & greg.)" : "(jul.)");
  b.append("\r\n\r\n");
  if (!german)
    b.append("    Mon Tue Wed Thu Fri Sat Sun");
  else
    b.append(year >= 1583 ? " KW     Mo  Di  Mi  Do  Fr  Sa  So " : "     Mo  Di  Mi  Do  Fr  Sa  So ");

  const bool numbered = german && year >= 1583;
  bool first = true;
  int lastcolumn = 0;
  for (int d = 1; d <= 31; ++d) {
    const int w = dayofweek(d, month, year);
    if (w <= 0) continue;
    const int c = weekcolumn(w);
    if (first) {
      if (numbered)
        weekline(b, weeknumber(d, month, year));
      else
        b.append("\r\n    ");
      for (int k = 1; k < c; ++k) b.append("    ");
      first = false;
    }
    const bool today = d == in.todayday && month == in.todaymonth && year == in.todayyear;
    b.printf(today ? "[%2d]" : " %2d ", d);
    if (c == 7) {
      if (numbered) {
        const int next = weeknumber(d + 1, month, year);
        if (next != 0) weekline(b, next);
      } else {
        b.append("\r\n    ");
      }
    }
    lastcolumn = c;
  }

  if (year >= 1583) {
    if (german || lastcolumn != 7) b.append("\r\n");
    const int n = dayofyear(1, month, year);
    if (german)
      b.printf("\r\n 1. %s = %d. Tag des Jahres %d", shortmonthname(month, language), n, year);
    else
      b.printf("\r\n    %s 1st = %d%s Day of the Year %d", shortmonthname(month, language), n, ordinal(n), year);
  }
}

void credits(ReportBuffer& b, Language language) {
  const bool german = isgermantext(language);
  b.append(german ? "\r\n Basierend auf dem Algorithmus von Carl Friedrich Gauß "
                  : "\r\n Based on the Algorithm of Carl Friedrich Gauß ");
  b.append(german ? "\r\n Astronomische Berechnungen basierend auf Jean Meeus "
                  : "\r\n Astronomical Calculations based on Jean Meeus ");
  b.append(german ? "\r\n\r\n Besuchen Sie uns im Internet: " : "\r\n\r\n Visit us in the Web: ");
  for (const char* address : {homepageaddress, downloadpagegerman, downloadpageenglish}) {
    b.append("\r\n\r\n ->   ");
    b.append(address);
  }
  b.append(german ? "\r\n\r\n Julianischer Kalender folgt (Monate ab 14)"
                  : "\r\n\r\n Julian Calendar follows (Months from 14 on)");
}

void shortoverview(ReportBuffer& b, int year, Language language) {
  const bool german = isgermantext(language);
  b.append("\r\n\r\n");
  b.printf(german ? " Kurzübersicht für das Jahr %d " : " Short Overview for the Year %d ", year);
  b.append(german ? "\r\n\r\n        greg.     jul. (jul.-> greg.)"
                  : "\r\n\r\n            greg.      jul.  (jul.-> greg.)");
  static const char* const openings[2][3] = {
      {"\r\n Ostern %s %2d.%d. ", "\r\n Ch. H. %s %2d.%d. ", "\r\n Pfing. %s %2d.%d. "},
      {"\r\n Quendal    %s %2d.%d. ", "\r\n Asc. Day   %s %2d.%d. ", "\r\n Pentecost  %s %2d.%d. "}};
  static const int offsets[3] = {eastersunday, ascensionday, whitsunday};
  const int sg = eastersundaygregorian(year);
  const int sj = eastersundayjulian(year);
  for (int row = 0; row < 3; ++row) {
    const DayMonth g = feastdate(sg, offsets[row], year);
    b.printf(openings[german ? 0 : 1][row], shortweekdayname(dayofweek(g.day, g.month, year), language), g.day,
             g.month);
    const DayMonth j = feastdate(sj, offsets[row], year);
    b.printf(" %s %2d.%d. ", shortweekdayname(dayofweekjulian(j.day, j.month, year), language), j.day, j.month);
    int cy = year, cm = j.month, cd = j.day;
    juliancalendartogregorian(cy, cm, cd);
    b.printf(" -> %2d.%d. ", cd, cm);
  }
}

void julianmonth(ReportBuffer& b, int year, int month, Language language) {
  const bool german = isgermantext(language);
  b.printf(german ? "     %s %d " : "    %s %d ", monthname(month, language), year);
  b.append(german ? "(julianisch)" : "(Julian)");
  b.append("\r\n\r\n");
  b.append(german ? "     Mo  Di  Mi  Do  Fr  Sa  So " : "    Mon Tue Wed Thu Fri Sat Sun");
  bool first = true;
  int lastday = 0;
  for (int d = 1; d <= 31; ++d) {
    const int w = dayofweekjulian(d, month, year);
    if (w <= 0) continue;
    const int c = weekcolumn(w);
    if (first) {
      b.append("\r\n    ");
      for (int k = 1; k < c; ++k) b.append("    ");
      first = false;
    }
    b.printf(" %2d ", d);
    if (c == 7 && dayofweekjulian(d + 1, month, year) > 0) b.append("\r\n    ");
    lastday = d;
  }
  b.append(german ? "\r\n\r\n     Achtung: Julianischer Kalender! " : "\r\n\r\n    Attention: Julian Calendar! ");
  for (int d : {1, lastday}) {
    int gy = year, gm = month, gd = d;
    juliancalendartogregorian(gy, gm, gd);
    b.append(german ? "\r\n     " : "\r\n    ");
    b.printf("(Jul. %2d.%d. = ", d, month);
    b.printf("Greg. %2d.%d.) ", gd, gm);
  }
}

void identicalyearspage(ReportBuffer& b, int year, Language language) {
  const bool german = isgermantext(language);
  b.append(german ? "\r\n Identische Jahre: " : "\r\n Identic Years: ");
  b.append(german ? "\r\n (Wochentage + Feiertage) " : "\r\n (Days of Week & Holidays) ");
  b.append("\r\n\r\n");
  int count = 0;
  for (int y : identicalyears(year)) {
    b.printf(" %d", y);
    if (++count % 9 == 0) b.append("\r\n");
  }
}

void systempage(ReportBuffer& b, const SystemVersion& system, Language language) {
  const bool german = isgermantext(language);
  if (german) {
    b.append("\r\n\r\n Betriebssystem Version ");
    b.append("\r\n\r\n");
    b.printf(" Hauptversion: %d ", system.major);
    b.append("\r\n");
    b.printf(" Unterversion: %d ", system.minor);
  } else {
    b.append("\r\n\r\n Operating System Version ");
    b.append("\r\n\r\n");
    b.printf(" Major Version: %d ", system.major);
    b.append("\r\n");
    b.printf(" Minor Version: %d ", system.minor);
  }
  // Never a Windows product name for another system: there the system's own name.
  const std::string product = system.windows        ? windowsproductname(system.major, system.minor, language)
                              : system.name.empty() ? std::string()
                                                    : " " + system.name + " ";
  if (!product.empty()) {
    b.append("\r\n\r\n = ");
    b.append("\r\n\r\n");
    b.append(product);
  }
}

void weekdayrule(ReportBuffer& b, Language language) {
  const bool german = isgermantext(language);
  b.append("\r\n");
  b.append(" int dayofweek(int d, int m, int y)      ");
  b.append(german ? "// Tag, Monat, Jahr \r\n" : "// Day, Month, Year \r\n");
  b.append(" {int s=0, mtag[13]={0,31,28,31,30,31,30,31,31,30,31,30,31}; \r\n");
  b.append(" if ((y % 4==0 && y % 100!=0) || y % 400==0) s=1; \r\n");
  b.append(" if (y<1583 || y>9999) return(0);      ");
  b.append(german ? "// Jahr ist außerhalb des Bereichs \r\n" : "// Year is out of Range \r\n");
  b.append(" if (m<1 || m>12) return(0);      ");
  b.append(german ? "// Monat ist ungültig \r\n" : "// Month is invalid \r\n");
  b.append(" if (d<1 || d>mtag[m]+s*(m==2)) return(0);     ");
  b.append(german ? "// Tag ist ungültig \r\n" : "// Day is invalid \r\n");
  b.append(" if (m < 3) { m += 13; y--; } else  m++; \r\n");
  b.append(" s = d + 26*m/10 + y + y/4 - y/100 + y/400 + 6; \r\n");
  b.append(" return(s % 7 + 1);}       \r\n\r\n");
  b.append(german ? "// 1=Sonntag, 2=Montag, ..., 7=Samstag \r\n" : "// 1=Sunday, 2=Monday, ..., 7=Saturday \r\n");
  b.append(german ? "// 0=ungültiges Datum oder Jahr außerhalb des Bereichs"
                  : "// 0=invalid Date or Year is out of Range");
}

void easterrule(ReportBuffer& b, Language language) {
  b.append("\r\n");
  b.append(" int eastersundaygregorian(int y) \r\n");
  b.append(" {int a,b,c,d,e,k,p,q,m,n,s; \r\n");
  b.append(" a=y%19; b=y%4; c=y%7; k=y/100; p=(8*k + 13)/25; q=k/4; \r\n");
  b.append(" m=(15+k-p-q) % 30; n=(4+k-q) % 7; d=(19*a + m) % 30; \r\n");
  b.append(" e=(2*b + 4*c + 6*d + n) % 7; s=22+d+e; \r\n");
  b.append(" if (s==57) s=50; \r\n");
  b.append(" if (d==28 && e==6 && (11*m+11) % 30 <19) s=49; \r\n");
  b.append(" return(s);} \r\n\r\n");
  if (isgermantext(language)) {
    b.append(" // bis 31 Monat März z.B. 30 = 30. März \r\n");
    b.append(" // ab 32 Monat April z.B. 35 = (35-31) = 4. April");
  } else {
    b.append(" // until 31 month is March e.g. 30 = March 30th \r\n");
    b.append(" // from 32 month is April e.g. 35 = (35-31) = April 4th");
  }
}

int normalisedpage(int page) {
  if (page == 66 || page == 77) return 0;
  if (page < 0 || page > 99) return 0;
  if (page > 30 && page < 97) return 0;
  return page;
}

}  // namespace

std::string windowsproductname(int major, int minor, Language language) {
  const char* const either = isgermantext(language) ? "oder " : "or ";
  auto pair = [&](const char* a, const char* b) { return std::string(a) + either + b; };
  if (major == 3) return strprintf(" Windows NT 3.%d ", minor);
  if (major == 4 && minor == 0) return pair(" Windows 95 ", "\r\n Windows NT 4.0 ");
  if (major == 4 && minor == 10) return pair(" Windows 98 ", "\r\n Windows 98SE ");
  if (major == 4 && minor == 90) return " Windows ME ";
  if (major == 5 && minor == 0) return pair(" Windows 2000 ", "\r\n Windows 2000 Server ");
  if (major == 5 && minor == 1) return " Windows XP ";
  if (major == 5 && minor == 2) return pair(" Windows XP 64Bit ", "\r\n Windows 2003 Server ");
  if (major == 6 && minor == 0) return pair(" Windows Vista ", "\r\n Windows 2008 Server");
  if (major == 6 && minor == 1) return " Windows Seven ";
  return std::string();
}

MainReport buildmainreport(const MainReportInputs& in, Language language) {
  MainReport r;
  if (in.year < 100 || in.year > 9999) return r;
  r.built = true;
  r.year = in.year;
  r.languagemode = in.languagemode;
  int page = in.page;
  if (page == 66) {
    r.languagemode = togglelanguage(in.languagemode, in.languageoverride, in.userlanguage);
    language = currentlanguage(r.languagemode, in.languageoverride, in.userlanguage);
  }
  page = normalisedpage(page);
  r.page = page;
  r.language = language;
  const CaptionIcon ci = mainreportcaption(page);
  r.caption = ci.caption.in(language);
  r.icon = ci.icon;
  r.proportionalfont = page == 0 || page == 13 || page == 98 || page == 99;

  ReportBuffer b;
  if (page == 0)
    yearoverview(b, in, language);
  else if (page <= 12)
    monthcalendar(b, in, page, language);
  else if (page == 13)
    credits(b, language);
  else if (page == 14 || page == 27)
    shortoverview(b, in.year, language);
  else if (page <= 26)
    julianmonth(b, in.year, page - 14, language);
  else if (page == 28)
    b.append(buildseasonspage(in.year, language));
  else if (page == 29)
    identicalyearspage(b, in.year, language);
  else if (page == 30 || page == 97)
    systempage(b, in.system, language);
  else if (page == 98)
    weekdayrule(b, language);
  else if (page == 99)
    easterrule(b, language);
  r.text = b.text();
  return r;
}

}  // namespace quendal
