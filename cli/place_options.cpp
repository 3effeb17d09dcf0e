// Place and zone options of the subcommands; see place_options.h.
#include "cli/place_options.h"

#include <algorithm>

#include "calendar/calendar.h"

namespace quendal::cli {

namespace {

// "D:M" + one letter: degrees (1..3 digits), minutes (1..2 digits), letter.
bool splitcoordinate(const std::string& text, int& degrees, int& minutes, char& letter) {
  const std::size_t colon = text.find(':');
  if (colon == std::string::npos || colon == 0 || colon > 3 || text.size() < colon + 3) return false;
  const std::string d = text.substr(0, colon);
  const std::string m = text.substr(colon + 1, text.size() - colon - 2);
  if (m.empty() || m.size() > 2) return false;
  for (char c : d + m)
    if (c < '0' || c > '9') return false;
  degrees = std::stoi(d);
  minutes = std::stoi(m);
  letter = text.back();
  if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
  return true;
}

}  // namespace

void parselatitude(const std::string& option, const std::string& text, GeoPlace& place) {
  int degrees = 0, minutes = 0;
  char letter = 0;
  if (!splitcoordinate(text, degrees, minutes, letter) || (letter != 'N' && letter != 'S'))
    throw UsageError("--" + option + ": '" + text + "' is not a latitude of the form DD:MM followed by N or S");
  place.latitudedegrees = std::min(degrees, 90);
  place.latitudeminutes = place.latitudedegrees == 90 ? 0 : std::min(minutes, 59);
  place.north = letter == 'N' ? 1 : 0;
}

void parselongitude(const std::string& option, const std::string& text, GeoPlace& place) {
  int degrees = 0, minutes = 0;
  char letter = 0;
  if (!splitcoordinate(text, degrees, minutes, letter) || (letter != 'E' && letter != 'O' && letter != 'W'))
    throw UsageError("--" + option + ": '" + text + "' is not a longitude of the form DDD:MM followed by E or W");
  place.longitudedegrees = std::min(degrees, 180);
  place.longitudeminutes = place.longitudedegrees == 180 ? 0 : std::min(minutes, 59);
  place.east = letter == 'W' ? 0 : 1;
}

PlaceOption placeoption(Options& options, const LocationTable& places, int fallbackindex) {
  PlaceOption p;
  const bool byindex = options.has("place");
  const bool bylatitude = options.has("lat");
  const bool bylongitude = options.has("lon");
  if (byindex && (bylatitude || bylongitude))
    throw UsageError(options.command() + ": give either --place or --lat and --lon, not both");
  if (bylatitude != bylongitude)
    throw UsageError(options.command() + ": --lat and --lon must be given together");
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
  const int inuse = locationsinuse(places);
  const long long index = options.has("place") ? options.requiredinteger("place") : fallbackindex;
  if (index < 0 || index >= inuse)
    throw UsageError(options.command() + ": --place " + std::to_string(index) + " is not a configured place (" +
                     (inuse == 1 ? std::string("only 0") : "0.." + std::to_string(inuse - 1)) + ")");
  return static_cast<int>(index);
}

ZoneOption zoneoption(Options& options, int fallback, bool allowauto) {
  ZoneOption z;
  z.zone = fallback;
  if (options.has("zone")) {
    z.given = true;
    const std::string text = options.requiredtext("zone");
    if (allowauto && text == "auto")
      z.zone = 99;
    else
      try {
        z.zone = static_cast<int>(parseinteger("zone", text));
      } catch (const UsageError&) {
        throw UsageError("--zone: '" + text + "' is not a whole number of hours" +
                         (allowauto ? std::string(" or auto") : std::string()));
      }
  }
  z.half = options.flag("half-zone") ? 1 : 0;
  return z;
}

int dialogdefaultzone(const CivilDate& date, int language) {
  if (language == 0) return 0;
  return summertime(date.day, date.month, date.year) == 1 ? 2 : 1;
}

}  // namespace quendal::cli
