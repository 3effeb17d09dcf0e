// The local sidereal time report; see sidereal_report.h.
#include "reports/sidereal_report.h"

#include <cmath>

#include "astro/apparent.h"
#include "astro/frame.h"
#include "astro/refraction.h"
#include "astro/riseset.h"
#include "astro/timescales.h"
#include "calendar/calendar.h"
#include "calendar/text.h"
#include "reports/planet_report.h"

namespace quendal {

namespace {

// Refraction of the report: fixed 10 degrees Celsius and 1015 mbar.
constexpr double reporttemperature = 10.0;
constexpr double reportpressure = 1015.0;

// "\r\n\r\n Sonne: Rektaszension (Std./Grad):   3.2 /  48.3 - Deklination:  17.2 Grad "
void equatorialline(ReportBuffer& b, const char* heading, double ra, double dec, Language language) {
  const bool german = language != english;
  b.append(heading);
  b.append(formatdecimalpadded(ra, 5, 0, 1));
  b.append("/ ");
  b.append(formatdecimalpadded(ra * 15.0, 5, 0, 1));
  b.append(german ? "- Deklination: " : "- Declination: ");
  b.append(formatdecimalpadded(dec, 5, 0, 1));
  b.append(german ? "Grad " : "Deg. ");
}

// "\r\n\r\n Sonne: Azimuth 123.4 Grad - Höhe über Horizont  12.3 Grad (mit Refraktion  12.4 Grad) "
void horizonline(ReportBuffer& b, const char* heading, const SiderealBody& body, Language language) {
  const bool german = language != english;
  b.append(heading);
  b.append(formatdecimalpadded(body.azimuth, 5, 0, 1));
  b.append(german ? "Grad - Höhe über Horizont " : "Degree - Height over Horizon ");
  b.append(formatdecimalpadded(body.altitude, 5, 0, 1));
  b.append(german ? "Grad " : "Deg. ");
  b.append(german ? "(mit Refraktion " : "(with Refraction ");
  b.append(formatdecimalpadded(body.refracted, 5, 0, 1));
  b.append(german ? "Grad) " : "Deg.) ");
}

// The body's place for the observer; lowered: degrees taken off the altitude.
SiderealBody skyplace(const ApparentPlace& place, double siderealtime, double latitude, int azimuthnorth,
                      double lowered) {
  const HorizontalPlace sky = HorizontalFromEquatorial(place.ra, place.dec, siderealtime, latitude);
  SiderealBody body{place.ra, place.dec, shownazimuth(sky.azimuth, azimuthnorth), sky.altitude - lowered, 0.0};
  body.refracted = ApparentAltitude(reportpressure, reporttemperature, body.altitude);
  return body;
}

}  // namespace

SiderealReport buildsiderealreport(const SiderealInputs& inputs, Language language) {
  SiderealReport r;
  r.corrected = inputs;
  SiderealInputs& in = r.corrected;
  clamplocalinstant(in.year, in.month, in.day, in.hour, in.minute, in.zone, in.halfzone);
  in.azimuthnorth = in.azimuthnorth ? 1 : 0;
  r.placename = resolveplace(in.place, in.placeindex, in.places, in.explicitplace != 0);
  const bool german = language != english;
  const double latitude = latitudeof(in.place);
  const double longitude = longitudeof(in.place);

  ReportBuffer b;
  const int weekday = dayofweek(in.day, in.month, in.year);
  if (german)
    b.printf("\r\n Datum: %s, %d. %s %d ", weekdayname(weekday, language), in.day, monthname(in.month, language),
             in.year);
  else
    b.printf("\r\n Date: %s, %s %d%s, %d ", weekdayname(weekday, language), monthname(in.month, language), in.day,
             ordinal(in.day), in.year);
  b.append("\r\n\r\n");
  b.append(placeheading(r.placename, language));
  b.append(latitudeline(in.place, language));
  b.append(german ? "(nicht relevant für Ortssternzeit) " : "(not relevant for Local Sidereal Time) ");
  b.append(longitudeline(in.place, language));
  b.append(german ? "(relevant für Ortssternzeit) " : "(relevant for Local Sidereal Time) ");

  r.jd = datetojd(in.year, in.month, in.day) + in.hour / 24.0 + in.minute / 1440.0 - zonedays(in.zone, in.halfzone);
  b.append(german ? "\r\n\r\n Julianisches Datum: " : "\r\n\r\n Julian Date: ");
  b.append(formatdecimal(r.jd, 0, 0, 5));

  b.append(german ? "\r\n\r\n Mittlere Ortssternzeit für " : "\r\n\r\n Local Mean Sidereal Time for ");
  if (!r.placename.empty())
    b.append(r.placename + " ");
  else
    b.append(german ? "den Längengrad " : "the Longitude ");
  if (in.place.longitudedegrees == 0 && in.place.longitudeminutes == 0)
    b.append(german ? "= Greenwich Null Meridian " : "= Greenwich Zero Meridian ");
  b.append("\r\n");
  b.append(formatdecimal(std::fabs(longitude), 7, 0, 3));
  if (german)
    b.append(in.place.east ? " Grad Ost " : " Grad West ");
  else
    b.append(in.place.east ? " Deg. East " : " Deg. West ");
  b.printf(german ? "um %02d:%02d " : "at %02d:%02d ", in.hour, in.minute);
  b.append(zonelabel(in.zone, in.halfzone, language));

  // The Sun and the Moon of the instant, Delta T from the date.
  const InstantFrame frame = FrameAt(InstantFromUT(r.jd));
  r.meansiderealtime = MeanSiderealTime(r.jd, longitude);
  r.apparentsiderealtime = ApparentSiderealTime(frame, longitude);
  b.append("\r\n\r\n");
  b.append(siderealtimeline(r.meansiderealtime, 0, language));
  b.append("\r\n");
  b.append(siderealtimeline(r.apparentsiderealtime, 1, language));

  r.sun = skyplace(BodyPosition(frame, BodyCode::Sun), r.apparentsiderealtime, latitude, in.azimuthnorth, 0.0);
  r.moon = skyplace(BodyPosition(frame, BodyCode::Moon), r.apparentsiderealtime, latitude, in.azimuthnorth, 0.5);
  equatorialline(
      b, german ? "\r\n\r\n Sonne: Rektaszension (Std./Grad): " : "\r\n\r\n Sun:  Right Ascension (Hours/Deg.): ",
      r.sun.ra, r.sun.dec, language);
  equatorialline(b, german ? "\r\n Mond:  Rektaszension (Std./Grad): " : "\r\n Moon: Right Ascension (Hours/Deg.): ",
                 r.moon.ra, r.moon.dec, language);
  horizonline(b, german ? "\r\n\r\n Sonne: Azimuth " : "\r\n\r\n Sun:  Azimuth ", r.sun, language);
  horizonline(b, german ? "\r\n Mond:  Azimuth " : "\r\n Moon: Azimuth ", r.moon, language);
  b.append(azimuthlegend(in.azimuthnorth, language));
  b.append(moonfooter(r.jd, in.hour, in.minute, in.zone, in.halfzone, language));
  r.text = b.text();
  return r;
}

}  // namespace quendal
