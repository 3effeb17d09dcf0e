// Place and zone options of the subcommands; see place_options.h.
#include "cli/place_options.h"

#include <cmath>
#include <cstdlib>

#include "calendar/calendar.h"
#include "calendar/encoding.h"
#include "calendar/text.h"
#include "cli/time_zone.h"
#include "reports/moon_report.h"

namespace quendal::cli {

const char* const placehelp =
    "  --place N|NAME    a configured place by number (0 = the first, the default)\n"
    "                    or by name (case-insensitive, a unique beginning will do)\n"
    "  --lat LAT --lon LON  the place by coordinates, used as given: decimal\n"
    "                    degrees (48.2 -16.37) or DD:MM[:SS] with N/S and E/W\n"
    "                    (48:12N 016:22:30E)\n";

const char* const zonehelp =
    "  --zone Z          hours east of UTC: 1, -3.5, 5:30, or auto (UTC+1, in\n"
    "                    European summer time UTC+2); whole hours -12..12 and the\n"
    "                    half hours from 1:30 to 11:30 either way (default: 0 in\n"
    "                    English; in German 1, or 2 in European summer time)\n"
    "  --tz NAME         an IANA time zone (Europe/Vienna), or local (the system's):\n"
    "                    its offset at the date\n"
    "  --half-zone       half an hour more in the direction of --zone\n";

namespace {

bool isdigits(const std::string& s, std::size_t most) {
  if (s.empty() || s.size() > most) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// [+-]digits[.digits]
bool isdecimal(const std::string& s) {
  std::size_t i = (!s.empty() && (s[0] == '-' || s[0] == '+')) ? 1 : 0;
  const std::size_t point = s.find('.', i);
  const std::string whole = s.substr(i, point == std::string::npos ? std::string::npos : point - i);
  const std::string part = point == std::string::npos ? std::string() : s.substr(point + 1);
  return (isdigits(whole, 3) && (point == std::string::npos || isdigits(part, 12))) ||
         (whole.empty() && isdigits(part, 12));
}

// One coordinate of at most `limit` degrees: decimal degrees (negative for
// the second letter) or D:MM[:SS] followed by a letter of `positive` or
// `negative`. Gives degrees, minutes, seconds and the sign.
void parsecoordinate(const std::string& option, const std::string& text, int limit, const char* positive,
                     const char* negative, const std::string& valid, int& degrees, int& minutes, int& seconds,
                     int& plus) {
  const auto fail = [&](const std::string& problem) { return refusal(option, problem, valid); };
  if (isdecimal(text)) {
    const double v = std::strtod(text.c_str(), nullptr);
    if (std::fabs(v) > limit) throw fail(text + " is out of range");
    const long total = std::lround(std::fabs(v) * 3600.0);
    degrees = static_cast<int>(total / 3600);
    minutes = static_cast<int>(total / 60 % 60);
    seconds = static_cast<int>(total % 60);
    plus = text[0] == '-' ? 0 : 1;
    return;
  }
  const std::string bad = "'" + text + "' is not a " + (limit == 90 ? "latitude" : "longitude");
  if (text.size() < 2) throw fail(bad);
  const char letter = upper(text.back());
  const std::string body = text.substr(0, text.size() - 1);
  std::string parts[3];
  int count = 0;
  std::size_t start = 0;
  while (count < 3) {
    const std::size_t colon = body.find(':', start);
    parts[count++] = body.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
    if (colon == std::string::npos) break;
    start = colon + 1;
    if (count == 3) throw fail(bad);
  }
  const bool known = std::string(positive).find(letter) != std::string::npos ||
                     std::string(negative).find(letter) != std::string::npos;
  if (count < 2 || !known || !isdigits(parts[0], limit == 90 ? 2 : 3) || !isdigits(parts[1], 2) ||
      (count == 3 && !isdigits(parts[2], 2)))
    throw fail(bad);
  degrees = std::atoi(parts[0].c_str());
  minutes = std::atoi(parts[1].c_str());
  seconds = count == 3 ? std::atoi(parts[2].c_str()) : 0;
  plus = std::string(positive).find(letter) != std::string::npos ? 1 : 0;
  if (degrees > limit || minutes > 59 || seconds > 59 || (degrees == limit && minutes + seconds > 0))
    throw fail(text + " is out of range");
}

// Case-folded code points (ASCII and Latin-1 letters) for comparing names.
std::u32string folded(const std::string& text) {
  std::u32string s = utf8toutf32(text);
  for (char32_t& c : s)
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) c += 32;
  return s;
}

std::string placelist(const LocationTable& places) {
  std::string list;
  for (int i = 0; i < locationsinuse(places); ++i)
    list += (i ? ", " : "") + std::to_string(i) + " " + places[static_cast<std::size_t>(i)].name;
  return list;
}

// Whole hours h and the half-hour flag of an offset in seconds, if the
// report can show it.
bool representable(int seconds, ZoneSupport support, int& zone, int& half) {
  if (support == ZoneSupport::AnyOffset) return std::abs(seconds) <= 14 * 3600;
  if (seconds % 1800 != 0 || std::abs(seconds) > 12 * 3600) return false;
  zone = seconds / 3600;
  half = seconds % 3600 != 0 ? 1 : 0;
  return !half || (support != ZoneSupport::WholeHours && zone != 0);
}

const char* zonevalid(ZoneSupport support) {
  switch (support) {
    case ZoneSupport::WholeHours:
      return "whole hours -12..12, auto, or --tz NAME";
    case ZoneSupport::AnyOffset:
      return "hours -14..14 as 1, -3.5 or 5:30, auto, or --tz NAME";
    default:
      return "whole hours -12..12 and the half hours from 1:30 to 11:30 either way, auto, or --tz NAME";
  }
}

// "1", "-3.5", "+5:45" into seconds east of UTC; false if malformed.
bool parseoffset(const std::string& text, int& seconds) {
  const int sign = !text.empty() && text[0] == '-' ? -1 : 1;
  const std::string body = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? text.substr(1) : text;
  const std::size_t colon = body.find(':');
  if (colon != std::string::npos) {
    const std::string h = body.substr(0, colon), m = body.substr(colon + 1);
    if (!isdigits(h, 2) || m.size() != 2 || !isdigits(m, 2) || std::atoi(m.c_str()) > 59) return false;
    seconds = sign * (std::atoi(h.c_str()) * 3600 + std::atoi(m.c_str()) * 60);
    return true;
  }
  if (body.empty() || body[0] == '+' || body[0] == '-' || !isdecimal(body)) return false;
  const double minutes = std::strtod(body.c_str(), nullptr) * 60.0;
  if (std::fabs(minutes - std::round(minutes)) > 1e-6 || minutes > 24 * 60) return false;
  seconds = sign * static_cast<int>(std::lround(minutes)) * 60;
  return true;
}

}  // namespace

void parselatitude(const std::string& option, const std::string& text, GeoPlace& place) {
  parsecoordinate(option, text, 90, "N", "S",
                  "decimal degrees -90..90, north positive, or DD:MM[:SS] with N or S, e.g. 48:12N",
                  place.latitudedegrees, place.latitudeminutes, place.latitudeseconds, place.north);
}

void parselongitude(const std::string& option, const std::string& text, GeoPlace& place) {
  parsecoordinate(option, text, 180, "EO", "W",
                  "decimal degrees -180..180, east positive, or DDD:MM[:SS] with E or W, e.g. 016:22:30E",
                  place.longitudedegrees, place.longitudeminutes, place.longitudeseconds, place.east);
}

GeoPlace parsepoint(const std::string& option, const std::string& text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string::npos || text.find(',', comma + 1) != std::string::npos)
    throw refusal(option, "'" + text + "' is not a place",
                  "LAT,LON, each in decimal degrees or DD:MM[:SS] with a hemisphere letter, "
                  "e.g. 48:12N,016:22E or 48.2,16.37");
  GeoPlace p;
  parselatitude(option, text.substr(0, comma), p);
  parselongitude(option, text.substr(comma + 1), p);
  return p;
}

int findplace(const std::string& option, const std::string& text, const LocationTable& places) {
  const int inuse = locationsinuse(places);
  const std::string valid = "0.." + std::to_string(inuse - 1) + " or a name: " + placelist(places);
  if (isdigits(text, 9)) {
    const int index = std::atoi(text.c_str());
    if (index >= inuse) throw refusal(option, text + " is not a configured place", valid);
    return index;
  }
  const std::u32string wanted = folded(text);
  int found = -1, matches = 0;
  std::string names;
  for (int i = 0; i < inuse && !wanted.empty(); ++i) {
    const std::u32string name = folded(places[static_cast<std::size_t>(i)].name);
    if (name == wanted) return i;
    if (name.compare(0, wanted.size(), wanted) == 0) {
      found = i;
      names += (matches++ ? ", " : "") + places[static_cast<std::size_t>(i)].name;
    }
  }
  if (matches == 1) return found;
  if (matches > 1) throw refusal(option, "'" + text + "' names several places: " + names, valid);
  throw refusal(option, "'" + text + "' is not a configured place", valid);
}

PlaceOption placeoption(Options& options, const LocationTable& places, int fallbackindex) {
  PlaceOption p;
  const bool byindex = options.has("place");
  const bool bylatitude = options.has("lat");
  const bool bylongitude = options.has("lon");
  if (byindex && (bylatitude || bylongitude))
    throw refusal("place", "give either --place or --lat and --lon, not both");
  if (bylatitude != bylongitude) throw refusal(bylatitude ? "lat" : "lon", "needs --lat and --lon together");
  if (bylatitude) {
    p.coordinates = true;
    p.place.inuse = 1;
    parselatitude("lat", options.requiredtext("lat"), p.place);
    parselongitude("lon", options.requiredtext("lon"), p.place);
    return p;
  }
  p.index = placeindexoption(options, places, fallbackindex);
  p.place = places[static_cast<std::size_t>(p.index)];
  return p;
}

int placeindexoption(Options& options, const LocationTable& places, int fallbackindex) {
  return options.has("place") ? findplace("place", options.requiredtext("place"), places) : fallbackindex;
}

ZoneOption zoneoption(Options& options, ZoneSupport support, const CivilDate& date, const ClockTime& time,
                      int fallback) {
  ZoneOption z;
  const bool halfzone =
      support == ZoneSupport::HalfHours || support == ZoneSupport::HalfHoursOrAuto ? options.flag("half-zone") : false;
  const int summer = summertime(date.day, date.month, date.year) == 1 ? 2 : 1;
  if (options.has("zone") && options.has("tz")) throw refusal("tz", "give either --zone or --tz, not both");
  if (options.has("tz")) {
    z.given = true;
    z.name = zonename("tz", options.requiredtext("tz"));
    z.seconds = zoneoffset("tz", z.name, date, time);
    if (!representable(z.seconds, support, z.zone, z.half))
      throw refusal(
          "tz",
          z.name + " is UTC" + offsettext(z.seconds) + " on " + datetext(date) + ", which this report cannot show",
          zonevalid(support));
  } else if (options.has("zone")) {
    z.given = true;
    const std::string text = options.requiredtext("zone");
    if (text == "auto") {
      z.seconds = summer * 3600;
      z.zone = support == ZoneSupport::HalfHoursOrAuto ? automaticzone : summer;
    } else if (!parseoffset(text, z.seconds)) {
      throw refusal("zone", "'" + text + "' is not a zone", zonevalid(support));
    } else if (!representable(z.seconds, support, z.zone, z.half)) {
      throw refusal("zone", text + " cannot be shown by this report", zonevalid(support));
    }
  } else {
    z.zone = fallback;
    z.seconds = fallback * 3600;
  }
  if (halfzone) {
    if (z.half || !options.has("zone"))
      throw refusal("half-zone", "belongs to a whole-hour --zone", "with --zone -11..-1 or 1..11");
    if (z.zone == 0 || z.zone == 12 || z.zone == -12 || z.zone == automaticzone)
      throw refusal("half-zone", "no half hour beside the zone " + options.requiredtext("zone"),
                    "with --zone -11..-1 or 1..11");
    z.half = 1;
    z.seconds += z.zone > 0 ? 1800 : -1800;
  }
  return z;
}

std::string offsettext(int seconds) {
  const int a = std::abs(seconds);
  std::string t = strprintf("%c%02d:%02d", seconds < 0 ? '-' : '+', a / 3600, a / 60 % 60);
  if (a % 60 != 0) t += strprintf(":%02d", a % 60);
  return t;
}

}  // namespace quendal::cli
