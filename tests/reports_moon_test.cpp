// The moon report: golden texts in both languages, the zone and half-zone
// rules, the event time lines, the eclipse order, and the phase lists checked
// against the lunar phases converted independently.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "astro/lunar_events.h"
#include "calendar/calendar.h"
#include "calendar/text.h"
#include "reports/moon_report.h"

using namespace quendal;

namespace {

MoonReportInputs inputs(int year, int month, int day, int hour, int minute, int zone, int page = 0,
                        int seconds = 0, int half = 0) {
  MoonReportInputs in;
  in.year = year;
  in.month = month;
  in.day = day;
  in.hour = hour;
  in.minute = minute;
  in.zone = zone;
  in.half = half;
  in.page = page;
  in.seconds = seconds;
  return in;
}

std::string text(const MoonReportInputs& in, int language) { return buildmoonreport(in, language).text; }

bool contains(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }

}  // namespace

TEST(ReportsMoon, NowGerman) {
  EXPECT_EQ(text(inputs(2024, 3, 15, 12, 0, 1), german),
            "\r\n"
            " Datum: Freitag, 15. März 2024 \r\n"
            " Julianisches Datum: (JD) 2460384,95833\r\n"
            " Mondbeleuchtung um 12:00 UTC+1 (MEZ):  32,33 Prozent\r\n"
            " Mondalter:   5,0831 Tage =  5 Tage  2 Stunden  0 Minuten  \r\n"
            " Mondphase = Zunehmende Sichel\r\n"
            " Entfernung Erde - Mond: 377862 km\r\n"
            " Libration in Länge: 7,154 Grad \r\n"
            " Libration in Breite: -5,086 Grad \r\n"
            " Rektaszension (Stunden / Grad):    4,1 /   61,6  - Deklination (Grad):   24,9 (Mond)\r\n"
            " Rektaszension (Stunden / Grad):   23,7 /  355,7  - Deklination (Grad):   -1,8 (Sonne)\r\n"
            " Umlaufperiode (k-Wert) (0 = Neumond vom 6. Jan. 2000): 299 \r\n"
            " Magnitude: -9,3 - Durchmesser: 31,6 '\r\n"
            "\r\n"
            " Nächster Vollmond: JD 2460394,79186\r\n"
            " Montag, 25. März 2024 um ca. 08:00 UTC+1 (MEZ)  in 9 Tagen \r\n"
            "\r\n"
            " Nächster Neumond: JD 2460409,26445\r\n"
            " Montag, 8. April 2024 um ca. 19:21 UTC+1 (MEZ)  in 24 Tagen \r\n"
            "\r\n"
            " Danach nächstes Erstes Viertel: JD 2460416,30073\r\n"
            " Montag, 15. April 2024 um ca. 20:13 UTC+1 (MEZ)  in 31 Tagen \r\n"
            "\r\n"
            " Danach nächster Vollmond: JD 2460424,49235\r\n"
            " Mittwoch, 24. April 2024 um ca. 00:49 UTC+1 (MEZ)  in 39 Tagen \r\n"
            "\r\n"
            " Danach nächstes Letztes Viertel: JD 2460431,97721\r\n"
            " Mittwoch, 1. Mai 2024 um ca. 12:27 UTC+1 (MEZ)  in 47 Tagen \r\n"
            "\r\n"
            " Nächstes Apogäum (Erdferne): JD 2460393,15609\r\n"
            " Samstag, 23. März 2024 um ca. 16:45 UTC+1 (MEZ)  in 8 Tagen \r\n"
            " Entfernung Erde - Mond: 406294 km\r\n"
            "\r\n"
            " Nächstes Perigäum (Erdnähe): JD 2460408,24398\r\n"
            " Sonntag, 7. April 2024 um ca. 18:51 UTC+1 (MEZ)  in 23 Tagen \r\n"
            " Entfernung Erde - Mond: 358850 km\r\n"
            "\r\n"
            " Typische Genauigkeit von 1/4 - 1 1/2 Minuten! \r\n"
            " (Innerhalb des Zeitraumes von 1900 bis 2100) "
  );
}

TEST(ReportsMoon, NowEnglishWithSeconds) {
  // Written piece by piece from the report's format strings. The values agree
  // with an independent ephemeris (illumination 32.80 %, 378121 km, libration
  // 7°10'12" / -5°07'50", Moon RA 4h08'54" Dec 25°02'46", Sun RA 23h43'05"
  // Dec -1°49'49") and with the published phases (full moon 25 March 07:00,
  // new moon 8 April 18:21, first quarter 15 April 19:13, full moon 23 April
  // 23:49, last quarter 1 May 11:27 UT).
  EXPECT_EQ(text(inputs(2024, 3, 15, 12, 0, 0, moonnow, 1), english),
            "\r\n Date: Friday, March 15th, 2024"
            "\r\n Julian Date: (JD) " "2460385.00000"
            "\r\n Moon's Illumination at " "12:00 " "UTC (World Time)" ":" "  32.76" " Percent"
            "\r\n Moon's Age: " "  5.1248" " Days = " " 5 Days  3 Hours  0 Minutes "
            " \r\n Moon's Phase = " "Waxing Crescent Moon"
            "\r\n Distance Earth - Moon: " "378121 km"
            "\r\n Libration in Longitude: " "   7°10'12\"" " "
            "\r\n Libration in Latitude: " "  -5°07'50\"" " "
            "\r\n Right Ascension (Hours / Degree): " "  4h08'54\"" "/ " "  62°13'31\"" " "
            "- Declination (Degree): " "  25°02'46\"" "(Moon)"
            "\r\n Right Ascension (Hours / Degree): " " 23h43'05\"" "/ " " 355°46'21\"" " "
            "- Declination (Degree): " "  -1°49'49\"" "(Sun)"
            "\r\n Rotation Period (k-Value) (0 = New Moon from Jan. 6th, 2000): 299 "
            "\r\n Magnitude: " "-9.3 " "- Durchmesser: " "31.6 " "'"
            "\r\n\r\n" " Next Full Moon: JD " "2460394.79186"
            "\r\n Monday, March 25th, 2024 at approx. 07:00:16 UTC (World Time) " " in 9 Day" "s "
            "\r\n\r\n" " Next New Moon: JD " "2460409.26445"
            "\r\n Monday, April 8th, 2024 at approx. 18:20:48 UTC (World Time) " " in 24 Day" "s "
            "\r\n\r\n" " Afterwards next First Quarter: JD " "2460416.30073"
            "\r\n Monday, April 15th, 2024 at approx. 19:13:02 UTC (World Time) " " in 31 Day" "s "
            "\r\n\r\n" " Afterwards next Full Moon: JD " "2460424.49235"
            "\r\n Tuesday, April 23rd, 2024 at approx. 23:48:59 UTC (World Time) " " in 39 Day" "s "
            "\r\n\r\n" " Afterwards next Last Quarter: JD " "2460431.97721"
            "\r\n Wednesday, May 1st, 2024 at approx. 11:27:10 UTC (World Time) " " in 46 Day" "s "
            "\r\n\r\n" " Next Apogee (farest to Earth): JD " "2460393.15625"
            "\r\n Saturday, March 23rd, 2024 at approx. 15:45:00 UTC (World Time) " " in 8 Day" "s "
            "\r\n Distance Earth - Moon: " "406294 km"
            "\r\n\r\n" " Next Perigee (nearest to Earth): JD " "2460408.24414"
            "\r\n Sunday, April 7th, 2024 at approx. 17:51:33 UTC (World Time) " " in 23 Day" "s "
            "\r\n Distance Earth - Moon: " "358850 km"
            "\r\n\r\n Typical Exactness 1/4 - 1 1/2 Minutes! "
            "\r\n (Within the Period from 1900 to 2100) ");
}

TEST(ReportsMoon, FullMoonsGermanAutomatic) {
  EXPECT_EQ(text(inputs(2024, 3, 15, 12, 0, automaticzone, moonfullmoons), german),
            " Vollmonde des Jahres 2024: MEZ \r\n"
            "\r\n"
            "\r\n"
            "\r\n"
            " 29. September (Fr.) ca. 11:57 MESZ + 29 Tg 10 Std 27 Min = \r\n"
            " 28. Oktober (Sa.) ca. 22:24 MESZ + 29 Tg 12 Std 52 Min = \r\n"
            " 27. November (Mo.) ca. 10:16 MEZ  + 29 Tg 15 Std 17 Min = \r\n"
            " 27. Dezember (Mi.) ca. 01:33 MEZ  + 29 Tg 17 Std 21 Min = \r\n"
            " 25. Januar (Do.) ca. 18:54 MEZ  + 29 Tg 18 Std 36 Min = \r\n"
            " 24. Februar (Sa.) ca. 13:30 MEZ  + 29 Tg 18 Std 30 Min = \r\n"
            " 25. März (Mo.) ca. 08:00 MEZ  + 29 Tg 16 Std 49 Min = \r\n"
            " 24. April (Mi.) ca. 01:49 MESZ + 29 Tg 14 Std  4 Min = \r\n"
            " 23. Mai (Do.) ca. 15:53 MESZ + 29 Tg 11 Std 15 Min = \r\n"
            " 22. Juni (Sa.) ca. 03:08 MESZ + 29 Tg  9 Std  9 Min = \r\n"
            " 21. Juli (So.) ca. 12:17 MESZ + 29 Tg  8 Std  9 Min = \r\n"
            " 19. August (Mo.) ca. 20:26 MESZ + 29 Tg  8 Std  8 Min = \r\n"
            " 18. September (Mi.) ca. 04:34 MESZ + 29 Tg  8 Std 52 Min = \r\n"
            " 17. Oktober (Do.) ca. 13:26 MESZ + 29 Tg 10 Std  3 Min = \r\n"
            " 15. November (Fr.) ca. 22:29 MEZ  + 29 Tg 11 Std 33 Min = \r\n"
            " 15. Dezember (So.) ca. 10:02 MEZ  + 29 Tg 13 Std 25 Min = \r\n"
            " 13. Januar (Mo.) ca. 23:27 MEZ  + 29 Tg 15 Std 26 Min = \r\n"
            " 12. Februar (Mi.) ca. 14:53 MEZ  + 29 Tg 17 Std  2 Min = \r\n"
            " 14. März (Fr.) ca. 07:55 MEZ  + 29 Tg 17 Std 27 Min = \r\n"
            " 13. April (So.) ca. 02:22 MESZ \r\n"
            "\r\n"
            " Zeitdrift (deltaT) Dynamische Zeit (TD) <-> UTC\r\n"
            " von ca. 74 Sekunden für Anfang 2024 berücksichtigt \r\n"
            "\r\n"
            " Typische Genauigkeit von 1/4 - 1 1/2 Minuten!\r\n"
            " (Innerhalb des Zeitraumes von 1900 bis 2100) "
  );
}

TEST(ReportsMoon, NewMoonsEnglishWithSeconds) {
  EXPECT_EQ(text(inputs(2024, 3, 15, 12, 0, 0, moonnewmoons, 1), english),
            " New Moons of the Year 2024: UTC\r\n"
            "\r\n"
            "\r\n"
            "\r\n"
            " September 15th (Fri) approx. 01:39:46 UTC + 29 d 16 h 15 min 22 sec = \r\n"
            " October 14th (Sat) approx. 17:55:08 UTC + 29 d 15 h 32 min 10 sec = \r\n"
            " November 13th (Mon) approx. 09:27:18 UTC + 29 d 14 h  4 min 37 sec = \r\n"
            " December 12th (Tue) approx. 23:31:55 UTC + 29 d 12 h 25 min 22 sec = \r\n"
            " January 11th (Thu) approx. 11:57:17 UTC + 29 d 11 h  1 min 44 sec = \r\n"
            " February  9th (Fri) approx. 22:59:01 UTC + 29 d 10 h  1 min 17 sec = \r\n"
            " March 10th (Sun) approx. 09:00:18 UTC + 29 d  9 h 20 min 29 sec = \r\n"
            " April  8th (Mon) approx. 18:20:48 UTC + 29 d  9 h  1 min  3 sec = \r\n"
            " May  8th (Wed) approx. 03:21:50 UTC + 29 d  9 h 15 min 45 sec = \r\n"
            " June  6th (Thu) approx. 12:37:36 UTC + 29 d 10 h 19 min 41 sec = \r\n"
            " July  5th (Fri) approx. 22:57:17 UTC + 29 d 12 h 15 min 39 sec = \r\n"
            " August  4th (Sun) approx. 11:12:56 UTC + 29 d 14 h 42 min 33 sec = \r\n"
            " September  3rd (Tue) approx. 01:55:28 UTC + 29 d 16 h 53 min 50 sec = \r\n"
            " October  2nd (Wed) approx. 18:49:18 UTC + 29 d 17 h 57 min 56 sec = \r\n"
            " November  1st (Fri) approx. 12:47:14 UTC + 29 d 17 h 34 min 13 sec = \r\n"
            " December  1st (Sun) approx. 06:21:27 UTC + 29 d 16 h  5 min 18 sec = \r\n"
            " December 30th (Mon) approx. 22:26:45 UTC + 29 d 14 h  9 min  8 sec = \r\n"
            " January 29th (Wed) approx. 12:35:53 UTC + 29 d 12 h  8 min 46 sec = \r\n"
            " February 28th (Fri) approx. 00:44:39 UTC + 29 d 10 h 13 min  0 sec = \r\n"
            " March 29th (Sat) approx. 10:57:39 UTC \r\n"
            "\r\n"
            " Difference (deltaT) Dynamical Time (TD) <-> UTC\r\n"
            " of approx. 74 Seconds for the Beginning of 2024 \r\n"
            "\r\n"
            " Typical Exactness 1/4 - 1 1/2 Minutes!\r\n"
            " (Within the Period from 1900 to 2100) "
  );
}

TEST(ReportsMoon, EclipsesGermanAutomatic) {
  EXPECT_EQ(text(inputs(2024, 3, 15, 12, 0, automaticzone, mooneclipses), german),
            "\r\n"
            " Datum: Freitag, 15. März 2024 \r\n"
            " Julianisches Datum: (JD) 2460384,95833\r\n"
            "\r\n"
            " Die nächsten Finsternisse: \r\n"
            "\r\n"
            " Nächste Totale Sonnenfinsternis: JD 2460409,26228\r\n"
            " Montag, 8. April 2024 um ca. 20:18 MESZ  in 24 Tagen \r\n"
            "\r\n"
            " Nächste Partielle Mondfinsternis: JD 2460571,61436\r\n"
            " Mittwoch, 18. September 2024 um ca. 04:45 MESZ  in 186 Tagen \r\n"
            "\r\n"
            " Nächste Ringförmige Sonnenfinsternis: JD 2460586,28162\r\n"
            " Mittwoch, 2. Oktober 2024 um ca. 20:46 MESZ  in 201 Tagen \r\n"
            "\r\n"
            " Nächste Totale Mondfinsternis: JD 2460748,79124\r\n"
            " Freitag, 14. März 2025 um ca. 07:59 MEZ  in 363 Tagen \r\n"
            "\r\n"
            " Nächste Partielle Sonnenfinsternis: JD 2460763,95010\r\n"
            " Samstag, 29. März 2025 um ca. 11:48 MEZ  in 378 Tagen \r\n"
            "\r\n"
            " Zeitpunkt ist ca. Maximalwert der Finsternis \r\n"
            " Genauigkeit ca. 1/4 - 1 1/2 Minuten \r\n"
            " (Innerhalb des Zeitraumes von 1950 - 2050) "
  );
}

TEST(ReportsMoon, EclipsesEnglish) {
  EXPECT_EQ(text(inputs(2024, 3, 15, 12, 0, 0, mooneclipses), english),
            "\r\n"
            " Date: Friday, March 15th, 2024\r\n"
            " Julian Date: (JD) 2460385.00000\r\n"
            "\r\n"
            " The next Eclipses: \r\n"
            "\r\n"
            " Next Total Eclipse of the Sun: JD 2460409.26228\r\n"
            " Monday, April 8th, 2024 at approx. 18:18 UTC (World Time)  in 24 Days \r\n"
            "\r\n"
            " Next Partial Eclipse of the Moon: JD 2460571.61436\r\n"
            " Wednesday, September 18th, 2024 at approx. 02:45 UTC (World Time)  in 186 Days \r\n"
            "\r\n"
            " Next Circular Eclipse of the Sun: JD 2460586.28162\r\n"
            " Wednesday, October 2nd, 2024 at approx. 18:46 UTC (World Time)  in 201 Days \r\n"
            "\r\n"
            " Next Total Eclipse of the Moon: JD 2460748.79124\r\n"
            " Friday, March 14th, 2025 at approx. 06:59 UTC (World Time)  in 363 Days \r\n"
            "\r\n"
            " Next Partial Eclipse of the Sun: JD 2460763.95010\r\n"
            " Saturday, March 29th, 2025 at approx. 10:48 UTC (World Time)  in 378 Days \r\n"
            "\r\n"
            " Time is approx. Maximum of the Eclipse \r\n"
            " Exactness approx. 1/4 - 1 1/2 Minutes \r\n"
            " (Within the Period from 1950 to 2050) "
  );
}

TEST(ReportsMoon, SeasonsEnglishAutomaticWithSeconds) {
  EXPECT_EQ(text(inputs(2024, 3, 15, 12, 0, automaticzone, moonseasons, 1), english),
            "\r\n"
            " Begin of the Seasons \r\n"
            "\r\n"
            " for the Year 2024: CET \r\n"
            " March 20th (Wed) approx. 04:06:30 CET  Spring (Northern Hemisphere) \r\n"
            " June 20th (Thu) approx. 22:50:49 CEST Summer (Northern Hemisphere) \r\n"
            " September 22nd (Sun) approx. 14:43:38 CEST Autumn (Northern Hemisphere) \r\n"
            " December 21st (Sat) approx. 10:20:20 CET  Winter (Northern Hemisphere) \r\n"
            "\r\n"
            " Typical Exactness 1/4 - 1 1/2 Minutes!\r\n"
            " (Within the Period from 1900 to 2100) "
  );
}

TEST(ReportsMoon, SeasonsGermanUtc) {
  EXPECT_EQ(text(inputs(2024, 3, 15, 12, 0, 0, moonseasons), german),
            "\r\n"
            " Beginn der Jahreszeiten \r\n"
            "\r\n"
            " für das Jahr 2024: UTC \r\n"
            " 20. März (Mi.) ca. 03:07 UTC Frühling (Nordhalbkugel) \r\n"
            " 20. Juni (Do.) ca. 20:51 UTC Sommer   (Nordhalbkugel) \r\n"
            " 22. September (So.) ca. 12:44 UTC Herbst   (Nordhalbkugel) \r\n"
            " 21. Dezember (Sa.) ca. 09:20 UTC Winter   (Nordhalbkugel) \r\n"
            "\r\n"
            " Typische Genauigkeit von 1/4 - 1 1/2 Minuten!\r\n"
            " (Innerhalb des Zeitraumes von 1900 bis 2100) "
  );
}

TEST(ReportsMoon, InputLimits) {
  MoonReport r = buildmoonreport(inputs(1500, 13, 40, 30, 70, 15), german);
  EXPECT_EQ(r.corrected.year, 1600);
  EXPECT_EQ(r.corrected.month, 12);
  EXPECT_EQ(r.corrected.day, 31);
  EXPECT_EQ(r.corrected.hour, 23);
  EXPECT_EQ(r.corrected.minute, 59);
  EXPECT_EQ(r.corrected.zone, 12);
  EXPECT_TRUE(contains(r.text, " Datum: Sonntag, 31. Dezember 1600 "));
  EXPECT_EQ(buildmoonreport(inputs(2401, 1, 1, 0, 0, -20), german).corrected.year, 2400);
  EXPECT_EQ(buildmoonreport(inputs(2401, 1, 1, 0, 0, -20), german).corrected.zone, -12);
  // A day beyond the end of the month is lowered to its last day.
  r = buildmoonreport(inputs(2023, 2, 31, 12, 0, 1), german);
  EXPECT_EQ(r.corrected.day, 28);
  EXPECT_TRUE(contains(r.text, " Datum: Dienstag, 28. Februar 2023 "));
  EXPECT_EQ(buildmoonreport(inputs(2024, 2, 30, 12, 0, 1), german).corrected.day, 29);
  // Unknown pages show page 0.
  EXPECT_EQ(buildmoonreport(inputs(2024, 3, 15, 12, 0, 1, 9), german).corrected.page, 0);
  EXPECT_EQ(text(inputs(2024, 3, 15, 12, 0, 1, -1), german), text(inputs(2024, 3, 15, 12, 0, 1), german));
}

TEST(ReportsMoon, ZoneRules) {
  // The instant (JD, UT) of 12:00 in the zone and the label of the time lines.
  struct Case {
    int month, day, zone, half, language;
    const char* label;
    const char* jd;
  };
  const Case cases[] = {
      {7, 1, automaticzone, 1, german, "MESZ", "2460492,91667"},  // summer time: 10:00 UT
      {1, 1, automaticzone, 0, english, "CET", "2460310.95833"},
      {3, 15, 5, 1, german, "UTC+5 1/2", "2460384,77083"},  // half an hour further from UTC
      {3, 15, -3, 1, english, "UTC-3 1/2", "2460385.14583"},
      {3, 15, 0, 0, german, "UTC (Weltzeit)", "2460385,00000"},
      {3, 15, 0, 0, english, "UTC (World Time)", "2460385.00000"},
      {3, 15, 2, 0, german, "UTC+2 (MESZ)", "2460384,91667"},
      {3, 15, 1, 0, english, "UTC+1 (CET)", "2460384.95833"},
      {3, 15, 2, 1, english, "UTC+2 1/2", "2460384.89583"},
      {3, 15, -7, 0, english, "UTC-7", "2460385.29167"},
  };
  for (const Case& c : cases) {
    const MoonReport r = buildmoonreport(inputs(2024, c.month, c.day, 12, 0, c.zone, moonnow, 0, c.half), c.language);
    const bool g = c.language != english;
    const std::string expected = std::string(g ? "\r\n Julianisches Datum: (JD) " : "\r\n Julian Date: (JD) ") + c.jd +
                                 (g ? "\r\n Mondbeleuchtung um 12:00 " : "\r\n Moon's Illumination at 12:00 ") + c.label +
                                 ":";
    EXPECT_TRUE(contains(r.text, expected)) << expected;
  }
  // Zone 99 stays 99 and clears the half-hour flag; so do 0, 12 and -12; a
  // zone beyond 12 is limited first.
  MoonReport r = buildmoonreport(inputs(2024, 7, 1, 12, 0, automaticzone, moonnow, 0, 1), german);
  EXPECT_EQ(r.corrected.zone, automaticzone);
  EXPECT_EQ(r.automatic, 1);
  EXPECT_EQ(r.corrected.half, 0);
  for (int zone : {0, 12, -12, 15})
    EXPECT_EQ(buildmoonreport(inputs(2024, 3, 15, 12, 0, zone, moonnow, 0, 1), german).corrected.half, 0) << zone;
  EXPECT_EQ(buildmoonreport(inputs(2024, 3, 15, 12, 0, 0, moonnow, 0, 1), german).text,
            text(inputs(2024, 3, 15, 12, 0, 0), german));
  EXPECT_EQ(buildmoonreport(inputs(2024, 3, 15, 12, 0, 5, moonnow, 0, 1), german).corrected.half, 1);
  // The lists: "UTC" for zone 0.
  EXPECT_TRUE(contains(text(inputs(2024, 3, 15, 12, 0, 0, moonnewmoons), german), " Neumonde des Jahres 2024: UTC\r\n"));
  EXPECT_TRUE(contains(text(inputs(2024, 3, 15, 12, 0, 3, moonnewmoons), german), " Neumonde des Jahres 2024: UTC+3\r\n"));
  // Event time lines in the automatic zone follow the event's own date.
  const std::string automatic = text(inputs(2024, 3, 15, 12, 0, automaticzone), german);
  EXPECT_TRUE(contains(automatic, "\r\n Montag, 25. März 2024 um ca. 08:00 MEZ  in 9 Tagen "));
  EXPECT_TRUE(contains(automatic, "\r\n Montag, 8. April 2024 um ca. 20:21 MESZ  in 24 Tagen "));
}

TEST(ReportsMoon, DaysUntilAnEvent) {
  // New moon 8 April 2024 18:20:48 UT, asked for at 06:00 UT of the 8th, 7th and 6th.
  struct Case {
    int day, hour, minute, seconds, language;
    const char* line;
  };
  const Case cases[] = {
      {8, 6, 0, 0, german, "\r\n Montag, 8. April 2024 um ca. 18:21 UTC (Weltzeit)  in < 1 Tag \r\n"},
      {7, 6, 0, 0, german, "\r\n Montag, 8. April 2024 um ca. 18:21 UTC (Weltzeit)  in 1 Tag \r\n"},
      {6, 6, 0, 0, german, "\r\n Montag, 8. April 2024 um ca. 18:21 UTC (Weltzeit)  in 2 Tagen \r\n"},
      {8, 6, 0, 0, english, "\r\n Monday, April 8th, 2024 at approx. 18:21 UTC (World Time)  in < 1 Day \r\n"},
      {7, 6, 0, 0, english, "\r\n Monday, April 8th, 2024 at approx. 18:21 UTC (World Time)  in 1 Day \r\n"},
      {6, 6, 0, 0, english, "\r\n Monday, April 8th, 2024 at approx. 18:21 UTC (World Time)  in 2 Days \r\n"},
      // With seconds the instant as it is; without, 18:20:48 rounds to 18:21.
      {6, 6, 0, 1, english, "\r\n Monday, April 8th, 2024 at approx. 18:20:48 UTC (World Time)  in 2 Days \r\n"},
      // Exactly at the new moon (rounded to the minute) it is still the next one.
      {8, 18, 20, 0, english,
       " Next New Moon: JD 2460409.26445\r\n Monday, April 8th, 2024 at approx. 18:21 UTC (World Time)  in < 1 Day "},
  };
  for (const Case& c : cases)
    EXPECT_TRUE(contains(text(inputs(2024, 4, c.day, c.hour, c.minute, 0, moonnow, c.seconds), c.language), c.line))
        << c.line;
}

TEST(ReportsMoon, AustrianJanuary) {
  const std::string at = text(inputs(2025, 1, 10, 21, 30, automaticzone), austrian);
  EXPECT_TRUE(contains(at, "\r\n Datum: Freitag, 10. Jänner 2025 "));
  EXPECT_TRUE(contains(at, "\r\n Umlaufperiode (k-Wert) (0 = Neumond vom 6. Jän. 2000): 309 "));
  const std::string de = text(inputs(2025, 1, 10, 21, 30, automaticzone), german);
  EXPECT_TRUE(contains(de, "\r\n Datum: Freitag, 10. Januar 2025 "));
  EXPECT_TRUE(contains(de, "(0 = Neumond vom 6. Jan. 2000): 309 "));
  EXPECT_TRUE(contains(text(inputs(2025, 1, 10, 21, 30, automaticzone, moonfullmoons), austrian),
                       "\r\n 13. Jänner (Mo.) ca. 23:27 MEZ "));
}

TEST(ReportsMoon, EclipsesInTimeOrder) {
  const char* const kinds[5] = {" Next Partial Eclipse of the Sun: JD ", " Next Total Eclipse of the Sun: JD ",
                                " Next Circular Eclipse of the Sun: JD ", " Next Partial Eclipse of the Moon: JD ",
                                " Next Total Eclipse of the Moon: JD "};
  for (int year = 1950; year <= 2100; year += 7) {
    const MoonReportInputs in = inputs(year, 1 + year % 12, 1 + year % 28, 12, 0, 0, mooneclipses);
    const std::string t = text(in, english);
    const double now = datetojd(in.year, in.month, in.day) + 0.5;
    std::vector<std::pair<std::size_t, double>> found;
    for (const char* kind : kinds) {
      const std::size_t at = t.find(kind);
      ASSERT_NE(at, std::string::npos) << year << kind;
      EXPECT_EQ(t.find(kind, at + 1), std::string::npos);
      found.push_back({at, std::atof(t.c_str() + at + std::string(kind).size())});
    }
    std::sort(found.begin(), found.end());
    for (std::size_t i = 0; i < found.size(); ++i) {
      EXPECT_GE(found[i].second, now) << year;
      if (i > 0) {
        EXPECT_GT(found[i].second, found[i - 1].second) << year;
      }
    }
  }
}

namespace {

// "%02d. %s (%s.) ca. %02d:%02d" of a UT instant moved by offset hours,
// rounded to the nearest minute, computed without the report's helpers.
struct Expected {
  std::string line;
  long minutes;  // minutes since MJD 0, UT
};

Expected expectedline(double jd, bool automatic, double offsethours, int language) {
  const long minutes = static_cast<long>(std::floor((jd - 2400000.5) * 1440.0 + 0.5));
  auto civil = [](long m, int& y, int& mo, int& d, int& h, int& mi) {
    jdntodate(static_cast<int>(std::floor(m / 1440.0)) + 2400001, y, mo, d);
    const long inday = m - static_cast<long>(std::floor(m / 1440.0)) * 1440;
    h = static_cast<int>(inday / 60);
    mi = static_cast<int>(inday % 60);
  };
  int y, mo, d, h, mi;
  civil(minutes, y, mo, d, h, mi);
  std::string label;
  if (automatic) {
    const bool summer = summertime(d, mo, y) == 1;
    offsethours = summer ? 2 : 1;
    label = language == english ? (summer ? "CEST" : "CET ") : (summer ? "MESZ" : "MEZ ");
  }
  civil(minutes + std::lround(offsethours * 60), y, mo, d, h, mi);
  char buffer[160];
  const char* weekday = shortweekdayname(dayofweek(d, mo, y), language);
  if (language == english)
    std::snprintf(buffer, sizeof buffer, "\r\n %s %2d%s (%s) approx. %02d:%02d %s", monthname(mo, language), d,
                  ordinal(d), weekday, h, mi, label.c_str());
  else
    std::snprintf(buffer, sizeof buffer, "\r\n %02d. %s (%s.) ca. %02d:%02d %s", d, monthname(mo, language), weekday,
                  h, mi, label.c_str());
  return {buffer, minutes};
}

}  // namespace

TEST(ReportsMoon, PhaseListsEqualTheLunarPhasesInTheZone) {
  const double fractions[5] = {0, 0.5, 0.0, 0.25, 0.75};
  struct Zone {
    int zone, half;
    bool automatic;
    double hours;
    const char* label;
  };
  const Zone zones[3] = {{automaticzone, 0, true, 0, ""}, {3, 1, false, 3.5, "UTC+3 1/2"}, {-5, 0, false, -5, "UTC-5"}};
  for (int year : {1800, 1900, 2000, 2024, 2100, 2400})
    for (int page = moonfullmoons; page <= moonlastquarters; ++page)
      for (const Zone& z : zones)
        for (int language : {english, german}) {
          const std::string t = text(inputs(year, 6, 1, 12, 0, z.zone, page, 0, z.half), language);
          // The first phase at or after 1 September of the year before, then the next 19.
          int k = static_cast<int>(std::floor((year - 1 - 2000 + 8 / 12.0) * 12.3685)) - 3;
          while (LunarPhase(k, fractions[page]) < datetojd(year - 1, 9, 1)) ++k;
          std::size_t at = 0;
          long previous = 0;
          for (int line = 0; line < 20; ++line, ++k) {
            Expected e = expectedline(LunarPhase(k, fractions[page]), z.automatic, z.hours, language);
            if (!z.automatic) e.line += z.label;
            const std::size_t next = t.find(e.line, at);
            ASSERT_NE(next, std::string::npos) << year << " page " << page << " line " << line << e.line;
            if (line > 0) {
              // The interval printed before this line, in whole minutes.
              const long interval = e.minutes - previous;
              char prefix[80];
              if (language == english) {
                std::snprintf(prefix, sizeof prefix, "+ %ld d %2ld h %2ld min = ", interval / 1440, interval / 60 % 24,
                              interval % 60);
              } else {
                std::snprintf(prefix, sizeof prefix, "+ %ld Tg %2ld Std %2ld Min = ", interval / 1440,
                              interval / 60 % 24, interval % 60);
              }
              EXPECT_EQ(t.substr(next - std::string(prefix).size(), std::string(prefix).size()), prefix);
            }
            previous = e.minutes;
            at = next + 1;
          }
          // Exactly twenty lines.
          int lines = 0;
          const std::string mark = language == english ? ") approx. " : ".) ca. ";
          for (std::size_t i = t.find(mark); i != std::string::npos; i = t.find(mark, i + 1)) ++lines;
          EXPECT_EQ(lines, 20);
        }
}
