// What must hold of a configuration after any read, whatever the file held:
// shared by the fuzz target and the hostile-input test.
#pragma once

#include <cmath>
#include <string>

#include "app/configuration.h"
#include "calendar/calendar.h"
#include "calendar/encoding.h"
#include "calendar/text.h"

namespace quendal {

// "" when the text is a valid name or date text: well-formed UTF-8, at most
// 39 characters, no control characters, no blank at either end.
inline std::string configurationtextfault(const std::string& text) {
  if (!isvalidutf8(text)) return "not UTF-8";
  if (utf8length(text) > static_cast<std::size_t>(configurationnamelength)) return "longer than 39";
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x20 || c == 0x7F) return "control character";
    if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) <= 0x9F)
      return "control character";  // U+0080..U+009F
  }
  if (!text.empty() && (text.front() == ' ' || text.back() == ' ')) return "blank at an end";
  return "";
}

// "" when the configuration holds what a read may give; else the first fault.
inline std::string configurationfault(const Configuration& c) {
  const int result = c.result;
  if (result != 1 && result != 0 && result != -1) return "result " + std::to_string(result);
  const int language = c.languageoverride;
  if (language != 0 && language != 3079 && language != 1031 && language != 2000)
    return "languageoverride " + std::to_string(language);
  if (result != 1 && language != 0) return "language set without a read";

  const int places = locationsinuse(c.locationTable);
  if (places < 1 || places > locationtablesize) return "places in use";
  if (result != 1 && (places != 1 || c.locationTable[0].name != "Sankt Pölten (Austria)"))
    return "not the preset place";
  for (int i = 0; i < locationtablesize; ++i) {
    const LocationRecord& r = c.locationTable[static_cast<std::size_t>(i)];
    const std::string at = "place " + std::to_string(i) + ": ";
    if (i >= places) {
      if (r.inuse != 0 || !r.name.empty() || r.latitudedegrees != 0 || r.longitudedegrees != 0)
        return at + "unused entry not empty";
      continue;
    }
    if (r.latitudedegrees < 0 || r.latitudedegrees > 90 || r.latitudeminutes < 0 || r.latitudeminutes > 59 ||
        r.longitudedegrees < 0 || r.longitudedegrees > 180 || r.longitudeminutes < 0 || r.longitudeminutes > 59)
      return at + "degrees or minutes out of range";
    if ((r.latitudedegrees == 90 && r.latitudeminutes != 0) || (r.longitudedegrees == 180 && r.longitudeminutes != 0))
      return at + "minutes beyond the pole or the date line";
    if (r.latitudedegrees == 0 && r.latitudeminutes == 0 && r.longitudedegrees == 0 && r.longitudeminutes == 0)
      return at + "at 0° 0', 0° 0'";
    if ((r.north != 0 && r.north != 1) || (r.east != 0 && r.east != 1)) return at + "hemisphere";
    if (r.latitudeseconds != 0 || r.longitudeseconds != 0) return at + "seconds";
    if (!std::isfinite(latitudeof(r)) || !std::isfinite(longitudeof(r)) || std::fabs(latitudeof(r)) > 90.0 ||
        std::fabs(longitudeof(r)) > 180.0)
      return at + "decimal degrees";
    const double latitude = (r.latitudedegrees + r.latitudeminutes / 60.0) * (r.north ? 1 : -1);
    const double longitude = (r.longitudedegrees + r.longitudeminutes / 60.0) * (r.east ? 1 : -1);
    if (std::fabs(latitude - latitudeof(r)) > 1e-12 || std::fabs(longitude - longitudeof(r)) > 1e-12)
      return at + "decimal degrees differ from degrees and minutes";
    const std::string fault = configurationtextfault(r.name);
    if (!fault.empty()) return at + "name " + fault;
  }

  bool ended = false;
  for (int i = 0; i < personaldatetablesize; ++i) {
    const PersonalDate& d = c.personalDateTable[static_cast<std::size_t>(i)];
    const std::string at = "date " + std::to_string(i) + ": ";
    if (d.year == 0) {
      if (d.day != 0 || d.month != 0 || !d.text.empty()) return at + "empty entry not empty";
      ended = true;
      continue;
    }
    if (ended) return at + "after an empty entry";
    if (result != 1) return at + "date without a read";
    if (d.year < 1601 || d.year > 9998 || dayofweek(d.day, d.month, d.year) <= 0) return at + "not a valid date";
    const std::string fault = configurationtextfault(d.text);
    if (!fault.empty()) return at + "text " + fault;
  }
  return "";
}

}  // namespace quendal
