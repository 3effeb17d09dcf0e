// The JSON pieces of the astronomy subcommands; see astro_json.h.
#include "cli/astro_json.h"

#include "astro/moon.h"

namespace quendal::cli {

const char* bodykey(BodyCode body) {
  static const char* const planets[9] = {"mercury", "venus",  "earth",   "mars", "jupiter",
                                         "saturn",  "uranus", "neptune", "pluto"};
  if (body == BodyCode::Sun) return "sun";
  if (body == BodyCode::Moon) return "moon";
  return planets[static_cast<int>(body) - 1];
}

const char* moonphasekey(int index) {
  static const char* const keys[8] = {"new_moon",  "waxing_crescent", "first_quarter", "waxing_gibbous",
                                      "full_moon", "waning_gibbous",  "last_quarter",  "waning_crescent"};
  return keys[index & 7];
}

std::optional<double> localhours(const CivilDate& date, double zonehours, bool found, double hours) {
  if (!found) return std::nullopt;
  return datetojd(date.year, date.month, date.day) + (hours - zonehours) / 24.0;
}

Json jsonmoonphase(double jd) {
  double phaseangle = 0.0;
  const double percent = 100.0 * MoonIllumination(jd, phaseangle);
  Json moon;
  moon["illuminated_percent"] = percent;
  moon["phase"] = moonphasekey(MoonPhaseIndex(MoonAgeAngle(jd), percent));
  return moon;
}

void putequatorial(Json& object, double rahours, double decdeg) {
  object["ra_hours"] = rahours;
  object["ra_deg"] = rahours * 15.0;
  object["dec_deg"] = decdeg;
}

}  // namespace quendal::cli
