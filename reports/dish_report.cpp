// The satellite dish report; see dish_report.h.
#include "reports/dish_report.h"

#include "astro/geodesy.h"
#include "calendar/text.h"

namespace quendal {

namespace {

int clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

struct KnownSatellite {
  int tenths;  // east position in tenths of a degree
  const char* name;
};

// Known positions, matched exactly and only east of Greenwich.
const KnownSatellite knownsatellites[] = {
    {192, "Astra 1"}, {282, "Astra 2"},  {235, "Astra 3"},  {130, "Eutelsat Hotbird"},
    {70, "Eutelsat"}, {100, "Eutelsat"}, {160, "Eutelsat"},
};

}  // namespace

DishReport builddishreport(const DishInputs& inputs, Language language) {
  DishReport r;
  r.corrected = inputs;
  DishInputs& in = r.corrected;
  in.satellitedegrees = clamp(in.satellitedegrees, 0, 180);
  in.satellitetenths = clamp(in.satellitetenths, 0, 9);
  in.satelliteeast = in.satelliteeast ? 1 : 0;
  in.azimuthnorth = in.azimuthnorth ? 1 : 0;
  r.placename = resolveplace(in.place, in.placeindex, in.places, in.explicitplace != 0);
  const bool german = language != english;

  ReportBuffer b;
  if (r.placename.empty()) {
    b.append(german ? "\r\n Für die Koordinaten " : "\r\n For the Coordinates ");
  } else {
    b.append("\r\n");
    b.append(placeheading(r.placename, language));
  }
  b.append(latitudeline(in.place, language));
  b.append(longitudeline(in.place, language));

  const int tenths = in.satellitedegrees * 10 + in.satellitetenths;
  const double position = tenths / 10.0;
  b.append(german ? "\r\n\r\n Ausrichtung der Antenne für die " : "\r\n\r\n Orientation of the Antenna for the ");
  b.append("\r\n SAT-Position ");
  b.append(formatdecimalpadded(position, position > 99.99 ? 5 : 4, 0, 1));
  b.append(german ? "Grad " : "Degree ");
  if (in.satelliteeast)
    b.append(german ? "Ost: " : "East: ");
  else
    b.append("West: ");
  if (in.satelliteeast)
    for (const KnownSatellite& s : knownsatellites)
      if (s.tenths == tenths) {
        r.satellite = s.name;
        b.append("\r\n\r\n = ");
        b.append(s.name);
        b.append(" ");
        break;
      }

  // The dialog counts the satellite's position west positive ("Ost" ticked: east).
  const DishDirection dish =
      DishPointing(in.satelliteeast ? position : -position, latitudeof(in.place), longitudeof(in.place));
  r.azimuth = shownazimuth(dish.azimuth, in.azimuthnorth);
  r.elevation = dish.elevation;
  r.outofrange = r.elevation < DishElevationLimit;
  b.append("\r\n\r\n Azimuth:   ");
  b.append(formatdecimal(r.azimuth, 7, 0, 2));
  b.append(german ? " Grad " : " Degree ");
  b.append("\r\n Elevation: ");
  b.append(formatdecimal(r.elevation, 7, 0, 2));
  b.append(german ? " Grad " : " Degree ");
  if (r.outofrange) b.append(german ? "     Satellit ist außer Reichweite! " : "     Satellite is out of Range! ");

  b.append(german ? "\r\n\r\n Elevation = Höhenwinkel " : "\r\n\r\n Elevation = Height Angle ");
  b.append(german ? "\r\n Azimuth   = Orientierung (Himmelsrichtung) "
                  : "\r\n Azimuth   = Orientation (Point of the Compass) ");
  if (in.azimuthnorth)
    b.append(german ? "\r\n\r\n Nord =   0 Grad, Ost  =  90 Grad \r\n Süd  = 180 Grad, West = 270 Grad "
                    : "\r\n\r\n North =   0 Deg., East =  90 Deg. \r\n South = 180 Deg., West = 270 Deg. ");
  else
    b.append(german ? "\r\n\r\n Süd  =   0 Grad, West =  90 Grad \r\n Nord = 180 Grad, Ost  = 270 Grad "
                    : "\r\n\r\n South =   0 Deg., West =  90 Deg. \r\n North = 180 Deg., East = 270 Deg. ");
  r.text = b.text();
  return r;
}

}  // namespace quendal
