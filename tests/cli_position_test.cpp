// quendal-report position: the line contract, full precision against the
// engine, UT and dynamical time, civil dates, malformed values.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "astro/apparent.h"
#include "astro/frame.h"
#include "astro/planets.h"
#include "astro/timescales.h"

#include "cli_run.h"

using clitest::Result;
using clitest::run;

namespace {

struct Line {
  std::string name;
  double value;
};

std::vector<Line> lines(const std::string& text) {
  std::vector<Line> result;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string::npos) break;
    const std::string line = text.substr(start, end - start);
    const std::size_t blank = line.find(' ');
    result.push_back({line.substr(0, blank), std::strtod(line.c_str() + blank + 1, nullptr)});
    start = end + 1;
  }
  return result;
}

const char* const names[] = {"jd_ut",          "jde",       "ra_hours",        "dec_deg",
                             "distance_au",    "lambda_deg", "beta_deg",       "elongation_deg",
                             "illuminated_percent", "magnitude", "diameter_arcsec", "helio_l_deg",
                             "helio_b_deg",    "helio_r_au"};

}  // namespace

namespace quendal {

TEST(CliPosition, PlanetLinesMatchTheEngineExactly) {
  const Result r = run("position --body saturn --date 2024-03-15 --time 21:30:15");
  ASSERT_EQ(r.status, 0);
  ASSERT_EQ(r.out.back(), '\n');
  ASSERT_EQ(r.out.find('\r'), std::string::npos);
  const std::vector<Line> got = lines(r.out);
  ASSERT_EQ(got.size(), 14u);
  for (std::size_t i = 0; i < got.size(); ++i) EXPECT_EQ(got[i].name, names[i]);

  const double jdut = 2460384.5 + (21 * 3600 + 30 * 60 + 15) / 86400.0;
  const double jde = jdut + DeltaTForJD(jdut) / 86400.0;
  const ApparentPlace p = BodyPosition(FrameAt({jdut, jde}), BodyCode::Saturn);
  const double v[11] = {jdut,       jde,      p.ra,          p.dec,          p.distance,    p.lambda,
                        p.beta,     p.elongation, p.illuminated, p.magnitude, p.diameter};
  for (int i = 0; i < 11; ++i) EXPECT_EQ(got[i].value, v[i]) << names[i];
  const HeliocentricState s = PlanetHeliocentric(jde, BodyCode::Saturn);
  ASSERT_EQ(s.status, AstroStatus::Ok);
  EXPECT_EQ(got[11].value, s.l);
  EXPECT_EQ(got[12].value, s.b);
  EXPECT_EQ(got[13].value, s.r);
}

TEST(CliPosition, SunAndMoonHaveNoHeliocentricLines) {
  for (const char* body : {"sun", "moon", "Moon"}) {
    const Result r = run(std::string("position --body ") + body + " --date 2000-01-01 --time 12:00");
    ASSERT_EQ(r.status, 0) << body;
    const std::vector<Line> got = lines(r.out);
    ASSERT_EQ(got.size(), 11u) << body;
    EXPECT_EQ(got[10].name, "diameter_arcsec");
    EXPECT_EQ(got[0].value, 2451545.0);
  }
  const std::vector<Line> sun = lines(run("position --body sun --date 2000-01-01 --time 12:00").out);
  EXPECT_EQ(sun[8].value, 100.0);
  EXPECT_EQ(sun[9].value, -26.8);
}

TEST(CliPosition, DynamicalTime) {
  const std::vector<Line> tt = lines(run("position --body mars --date 2000-01-01 --time 12:00 --tt").out);
  ASSERT_EQ(tt.size(), 14u);
  EXPECT_EQ(tt[1].value, 2451545.0);
  EXPECT_NEAR((tt[1].value - tt[0].value) * 86400, DeltaTForJD(2451545.0), 1e-3);
  // The heliocentric place of the dynamical instant J2000.0.
  EXPECT_NEAR(tt[11].value, 359.447, 0.0005);
  EXPECT_NEAR(tt[13].value, 1.39121, 0.000005);
  const std::vector<Line> ut = lines(run("position --body mars --date 2000-01-01 --time 12:00").out);
  EXPECT_EQ(ut[0].value, 2451545.0);
  EXPECT_GT(ut[1].value, ut[0].value);
}

TEST(CliPosition, CivilDatesAcrossTheReform) {
  // 4 October 1582 (Julian) is followed by 15 October 1582 (Gregorian).
  EXPECT_EQ(lines(run("position --body venus --date 1582-10-04 --time 00:00").out)[0].value, 2299159.5);
  EXPECT_EQ(lines(run("position --body venus --date 1582-10-15 --time 00:00").out)[0].value, 2299160.5);
  EXPECT_EQ(run("position --body venus --date 1500-02-29 --time 00:00").status, 0);  // Julian leap year
  EXPECT_EQ(run("position --body venus --date 1700-02-29 --time 00:00").status, 2);
  EXPECT_EQ(run("position --body venus --date 2000-02-29 --time 00:00").status, 0);
  EXPECT_EQ(run("position --body venus --date 1582-10-10 --time 00:00").status, 2);
}

TEST(CliPosition, MalformedValues) {
  EXPECT_EQ(run("position --body earth --date 2024-01-01 --time 00:00").status, 2);
  EXPECT_EQ(run("position --body vulcan --date 2024-01-01 --time 00:00").status, 2);
  EXPECT_EQ(run("position --body mars --date 2024-13-01 --time 00:00").status, 2);
  EXPECT_EQ(run("position --body mars --date 2024-04-31 --time 00:00").status, 2);
  EXPECT_EQ(run("position --body mars --date 2024-4 --time 00:00").status, 2);
  EXPECT_EQ(run("position --body mars --date 0-01-01 --time 00:00").status, 2);
  EXPECT_EQ(run("position --body pluto --date 10000-01-01 --time 00:00").status, 2);
  EXPECT_EQ(run("position --body pluto --date -4713-12-31 --time 00:00").status, 2);
  EXPECT_EQ(run("position --body pluto --date 9999-12-31 --time 23:59").status, 0);
  EXPECT_EQ(run("position --body pluto --date -4712-01-01 --time 00:00").status, 0);
  EXPECT_EQ(run("position --body mars --date 2024-01-01 --time 24:00").status, 2);
  EXPECT_EQ(run("position --body mars --date 2024-01-01 --time 12").status, 2);
  EXPECT_EQ(run("position --body mars --date 2024-01-01").status, 2);
  EXPECT_EQ(run("position --date 2024-01-01 --time 00:00").status, 2);
  EXPECT_EQ(run("position --body mars --date 2024-01-01 --time 00:00 --tt=1").status, 2);
  EXPECT_EQ(run("position --body mars --date 2024-01-01 --time 00:00 --zone 1").status, 2);
  EXPECT_EQ(run("position --body mars --date 2024-01-01 --time 00:00:59").status, 0);
}

}  // namespace quendal
