// quendal-report position: the apparent place of one body at one instant.
#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "astro/apparent.h"
#include "astro/frame.h"
#include "astro/timescales.h"
#include "calendar/calendar.h"
#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/json_output.h"

namespace quendal::cli {
namespace {

struct BodyName {
  const char* name;
  BodyCode body;
};
constexpr BodyName bodynamelist[] = {
    {"mercury", BodyCode::Mercury}, {"venus", BodyCode::Venus},   {"mars", BodyCode::Mars},
    {"jupiter", BodyCode::Jupiter}, {"saturn", BodyCode::Saturn}, {"uranus", BodyCode::Uranus},
    {"neptune", BodyCode::Neptune}, {"pluto", BodyCode::Pluto},   {"sun", BodyCode::Sun},
    {"moon", BodyCode::Moon},
};

const char* bodyname(BodyCode body) {
  for (const BodyName& b : bodynamelist)
    if (body == b.body) return b.name;
  return "";
}

BodyCode bodyfromname(const std::string& text) {
  std::string lower;
  for (char c : text) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (const BodyName& b : bodynamelist)
    if (lower == b.name) return b.body;
  throw refusal("body", "'" + text + "' is not a body",
                "mercury, venus, mars, jupiter, saturn, uranus, neptune, pluto, sun, moon");
}

// Days of a month of a historical year (Julian leap rule before the reform).
int monthlength(int year, int month) {
  static const int days[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month != 2) return days[month];
  const int y = astronomicalyear(year);
  const bool leap = year > 1582 ? (y % 4 == 0 && (y % 100 != 0 || y % 400 == 0)) : y % 4 == 0;
  return leap ? 29 : 28;
}

struct Quantity {
  const char* name;
  double value;
};

// The text: one line "name value" per quantity, full double precision.
std::string text(const std::vector<Quantity>& quantities) {
  std::string out;
  char buffer[64];
  for (const Quantity& q : quantities) {
    std::snprintf(buffer, sizeof buffer, "%s %.17g\n", q.name, q.value);
    out += buffer;
  }
  return out;
}

// The JSON form: the inputs (UT, or TT with --tt), the instant in UT and the
// same quantities under the same names, with the right ascension also in
// degrees; the heliocentric ones null for the Sun and the Moon.
std::string json(const std::string& body, const CivilDate& date, const ClockTime& time, bool dynamical, double ut,
                 const std::vector<Quantity>& quantities) {
  Json inputs;
  inputs["body"] = body;
  inputs["date"] = isodate(date);
  inputs["time"] = strprintf("%02d:%02d:%02d", time.hour, time.minute, time.second);
  inputs["time_scale"] = dynamical ? "tt" : "ut";
  inputs["zone"] = jsonzone(0, "UTC");
  Json document = jsondocument("position", inputs);
  putinstant(document, "instant", ut, 0);
  for (const Quantity& q : quantities) {
    document[q.name] = q.value;
    if (std::string(q.name) == "ra_hours") document["ra_deg"] = q.value * 15.0;
  }
  for (const char* name : {"helio_l_deg", "helio_b_deg", "helio_r_au"})
    if (!document.contains(name)) document[name] = nullptr;
  return jsontext(document);
}

std::string run(ApplicationState&, const GlobalOptions& g, Options& o) {
  const BodyCode body = bodyfromname(o.requiredtext("body"));
  const CivilDate date = o.date("date", g.utctoday);
  const ClockTime time = o.time("time", g.utcnow);
  const bool dynamical = o.flag("tt");

  // From JD 0 to the end of the program's years; far beyond, the series
  // give no positions (negative radii, Pluto's ellipse opening).
  const std::string valid = "dates of the years -4712..9999, 1 BC is -1";
  if (date.year == 0) throw refusal("date", "there is no year 0", valid);
  if (date.year < -4712 || date.year > 9999)
    throw refusal("date", "the year " + std::to_string(date.year) + " is out of range", valid);
  if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > monthlength(date.year, date.month))
    throw refusal("date", datetext(date) + " is not a date of the calendar", valid);
  if (date.year == 1582 && date.month == 10 && date.day >= 5 && date.day <= 14)
    throw refusal("date", datetext(date) + " does not exist (the calendar reform skipped 5..14 October 1582)", valid);

  const double instant =
      datetojd(date.year, date.month, date.day) + (time.hour * 3600.0 + time.minute * 60.0 + time.second) / 86400.0;
  // Delta T is looked up by the UT month: from a TT instant it is settled.
  const Instant at = dynamical ? InstantFromTT(instant) : Instant{instant, instant + DeltaTForJD(instant) / 86400.0};
  // The direct evaluation: full digits of one place, whose cost does not matter.
  const ApparentPlace p = ReferenceBodyPosition(FrameAt(at), body);

  std::vector<Quantity> quantities = {{"jd_ut", at.ut},
                                      {"jde", at.tt},
                                      {"ra_hours", p.ra},
                                      {"dec_deg", p.dec},
                                      {"distance_au", p.distance},
                                      {"lambda_deg", p.lambda},
                                      {"beta_deg", p.beta},
                                      {"elongation_deg", p.elongation},
                                      {"illuminated_percent", p.illuminated},
                                      {"magnitude", p.magnitude},
                                      {"diameter_arcsec", p.diameter}};
  if (IsPlanet(body))
    quantities.insert(
        quantities.end(),
        {{"helio_l_deg", p.heliocentric.l}, {"helio_b_deg", p.heliocentric.b}, {"helio_r_au", p.heliocentric.r}});
  if (g.format == OutputFormat::json) return json(bodyname(body), date, time, dynamical, at.ut, quantities);
  return text(quantities);
}

const SubcommandRegistration registration({
    "position",
    "the apparent place of the Sun, the Moon or a planet at one instant",
    "usage: quendal-report [GLOBAL OPTIONS] position --body NAME [--date Y-M-D] [--time HH:MM[:SS]]\n"
    "                      [--tt]\n"
    "\n"
    "  --body NAME   mercury, venus, mars, jupiter, saturn, uranus, neptune, pluto, sun, moon\n"
    "  --date Y-M-D  civil date, years -4712..9999 (Julian calendar before\n"
    "                15 October 1582; 1 BC is -1); default: today (UT)\n"
    "  --time T      time of day, universal time; default: now\n"
    "  --tt          the date and time are dynamical time (TT) instead of UT\n"
    "\n"
    "Prints one line per quantity, 'name value', full double precision:\n"
    "  jd_ut, jde (dynamical), ra_hours, dec_deg (apparent, of date), distance_au,\n"
    "  lambda_deg, beta_deg (apparent ecliptic), elongation_deg, illuminated_percent,\n"
    "  magnitude, diameter_arcsec; for the planets and Pluto also helio_l_deg,\n"
    "  helio_b_deg, helio_r_au (heliocentric, mean ecliptic and equinox of date).\n"
    "With --format json the same names in one document, with ra_deg and the\n"
    "instant (ISO 8601, UT); the heliocentric ones null for the Sun and the Moon.\n",
    run,
    false,
    {{"body", "mercury venus mars jupiter saturn uranus neptune pluto sun moon"}},
    Subcommand::JsonForm::document,
});

}  // namespace
}  // namespace quendal::cli
