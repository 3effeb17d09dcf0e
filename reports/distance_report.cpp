// The distance report; see distance_report.h.
#include "reports/distance_report.h"

#include <cmath>

#include "astro/geodesy.h"
#include "calendar/text.h"

namespace quendal {

namespace {

int clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

void clamppoint(GeoPlace& p) {
  p.latitudedegrees = clamp(p.latitudedegrees, 0, 90);
  p.latitudeminutes = clamp(p.latitudeminutes, 0, 59);
  p.latitudeseconds = clamp(p.latitudeseconds, 0, 59);
  p.longitudedegrees = clamp(p.longitudedegrees, 0, 180);
  p.longitudeminutes = clamp(p.longitudeminutes, 0, 59);
  p.longitudeseconds = clamp(p.longitudeseconds, 0, 59);
  p.north = p.north ? 1 : 0;
  p.east = p.east ? 1 : 0;
}

// The name of the first configured place at exactly these decimal degrees.
std::string placeat(double latitude, double longitude, const LocationTable& places) {
  const int inuse = locationsinuse(places);
  for (int i = 0; i < inuse; ++i) {
    const LocationRecord& r = places[static_cast<std::size_t>(i)];
    if (latitudeof(r) == latitude && longitudeof(r) == longitude) return r.name;
  }
  return "";
}

void pointlines(ReportBuffer& b, double latitude, double longitude, const std::string& name, const char* latitudelabel,
                const char* longitudelabel, Language language) {
  const bool german = language != english;
  b.append(latitudelabel);
  b.append(formatdecimal(std::fabs(latitude), 10, 0, 5));
  b.append(german ? " Grad " : " Degree ");
  if (german)
    b.append(latitude < 0.0 ? "Süd " : "Nord ");
  else
    b.append(latitude < 0.0 ? "South " : "North ");
  b.append(longitudelabel);
  b.append(formatdecimal(std::fabs(longitude), 10, 0, 5));
  b.append(german ? " Grad " : " Degree ");
  if (german)
    b.append(longitude < 0.0 ? "West " : "Ost ");
  else
    b.append(longitude < 0.0 ? "West " : "East ");
  if (!name.empty()) {
    b.append("\r\n = ");
    b.append(name);
  }
}

void distancepair(ReportBuffer& b, double simple, double exact, const char* unit, Language language) {
  const bool german = language != english;
  b.append(german ? "\r\n\r\n Entfernung einfach: " : "\r\n\r\n Simple Distance:    ");
  b.append(formatdecimal(simple, 11, 0, 5));
  b.append(unit);
  b.append(german ? "\r\n Entfernung exakt:   " : "\r\n Exact  Distance:    ");
  b.append(formatdecimal(exact, 11, 0, 5));
  b.append(unit);
}

}  // namespace

DistanceReport builddistancereport(const DistanceInputs& inputs, Language language) {
  DistanceReport r;
  r.corrected = inputs;
  clamppoint(r.corrected.first);
  clamppoint(r.corrected.second);
  r.latitude1 = latitudeof(r.corrected.first);
  r.longitude1 = longitudeof(r.corrected.first);
  r.latitude2 = latitudeof(r.corrected.second);
  r.longitude2 = longitudeof(r.corrected.second);
  r.placename1 = placeat(r.latitude1, r.longitude1, inputs.places);
  r.placename2 = placeat(r.latitude2, r.longitude2, inputs.places);
  r.simple = SphereDistance(r.longitude1, r.latitude1, r.longitude2, r.latitude2);
  r.exact = EllipsoidDistance(r.longitude1, r.latitude1, r.longitude2, r.latitude2);
  const bool german = language != english;

  ReportBuffer b;
  pointlines(b, r.latitude1, r.longitude1, r.placename1,
             german ? "\r\n Breitengrad Eins:    " : "\r\n First Latitude:      ",
             german ? "\r\n Längengrad  Eins:    " : "\r\n First Longitude:     ", language);
  pointlines(b, r.latitude2, r.longitude2, r.placename2,
             german ? "\r\n\r\n Breitengrad Zwei:    " : "\r\n\r\n Second Latitude:     ",
             german ? "\r\n Längengrad  Zwei:    " : "\r\n Second Longitude:    ", language);
  distancepair(b, r.simple, r.exact, " Kilometer ", language);
  distancepair(b, r.simple * statutemilesperkm, r.exact * statutemilesperkm,
               german ? " Landmeilen " : " Statute Miles ", language);
  distancepair(b, r.simple * nauticalmilesperkm, r.exact * nauticalmilesperkm,
               german ? " Nautische Meilen " : " Nautical Miles ", language);
  if (r.exact > 0.00001) {
    b.append(german ? "\r\n\r\n Diff. einf./exakt:  " : "\r\n\r\n Diff. simp./exact:  ");
    b.append(formatdecimal(std::fabs(r.simple / r.exact - 1.0) * 100.0, 0, 0, 5));
    b.append(german ? " Prozent " : " Percent ");
  } else {
    b.append(german ? "\r\n\r\n keine Abweichung " : "\r\n\r\n no Divergence ");
  }
  if (german)
    b.append(
        "\r\n\r\n 1 Landmeile = 1,609344 Kilometer "
        "\r\n 1 Seemeile  = 1,852    Kilometer "
        "\r\n\r\n Einfache Berechnung mit Erdumfang von 40075 Kilometer "
        "\r\n Exakte Berechnung mit WGS84-Ellipsoid (Pole abgeplattet) "
        "\r\n (Kürzeste Entfernung = Orthodrome oder Luftlinie) ");
  else
    b.append(
        "\r\n\r\n 1 Statute Mile   = 1,609344 Kilometer "
        "\r\n 1 Nautical Mile  = 1,852    Kilometer "
        "\r\n\r\n Simple Calculation with 40075 km Circumference of Earth "
        "\r\n Exact Calculation with WGS84 Ellipsoid (Poles oblated) "
        "\r\n (Shortest Distance = Great-Circle Distance or \"As the Crow flies\") ");
  r.text = b.text();
  return r;
}

}  // namespace quendal
