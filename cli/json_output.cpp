// The JSON form of the reports; see json_output.h.
#include "cli/json_output.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quendal::cli {
namespace {

constexpr double secondsperday = 86400.0;

// The civil date and time of a JD moved to the nearest second.
void jdtosecond(double jd, CivilDate& date, ClockTime& time) {
  jdtodate(jd + 0.5 / secondsperday, date.year, date.month, date.day, time.hour, time.minute, time.second);
}

std::string isodatetime(const CivilDate& date, const ClockTime& time) {
  char text[32];
  std::snprintf(text, sizeof text, "T%02d:%02d:%02d", time.hour, time.minute, time.second);
  return isodate(date) + text;
}

}  // namespace

std::string isodate(const CivilDate& date) {
  char text[32];
  std::snprintf(text, sizeof text, "%s%04d-%02d-%02d", date.year < 0 ? "-" : "", std::abs(date.year), date.month,
                date.day);
  return text;
}

Json jsondocument(const std::string& subcommand, Json inputs) {
  Json document;
  document["format_version"] = jsonformatversion;
  document["subcommand"] = subcommand;
  document["inputs"] = std::move(inputs);
  return document;
}

std::string jsontext(const Json& document) { return document.dump(2) + "\n"; }

std::string jsonline(const Json& object) { return object.dump() + "\n"; }

std::string isooffset(int offsetseconds) {
  const int minutes = std::abs(offsetseconds) / 60;
  char text[16];
  std::snprintf(text, sizeof text, "%c%02d:%02d", offsetseconds < 0 ? '-' : '+', minutes / 60, minutes % 60);
  return text;
}

std::string isolocal(const CivilDate& date, const ClockTime& time, int offsetseconds) {
  return isodatetime(date, time) + isooffset(offsetseconds);
}

std::string isolocal(double jdut, int offsetseconds) {
  CivilDate date;
  ClockTime time;
  jdtosecond(jdut + offsetseconds / secondsperday, date, time);
  return isolocal(date, time, offsetseconds);
}

std::string isoutc(double jdut) {
  CivilDate date;
  ClockTime time;
  jdtosecond(jdut, date, time);
  return isodatetime(date, time) + "Z";
}

void putinstant(Json& object, const std::string& key, std::optional<double> jdut, int offsetseconds) {
  object[key] = jdut ? Json(isolocal(*jdut, offsetseconds)) : Json(nullptr);
  object[key + "_utc"] = jdut ? Json(isoutc(*jdut)) : Json(nullptr);
}

Json jsonzone(int offsetseconds, const std::string& name) {
  Json zone;
  zone["offset"] = isooffset(offsetseconds);
  zone["offset_hours"] = offsetseconds / 3600.0;
  zone["name"] = name.empty() ? Json(nullptr) : Json(name);
  return zone;
}

Json jsonplace(double latitude, double longitude, const std::string& name) {
  Json place;
  place["name"] = name.empty() ? Json(nullptr) : Json(name);
  place["latitude_deg"] = latitude;
  place["longitude_deg"] = longitude;
  return place;
}

}  // namespace quendal::cli
