// Heliocentric positions: VSOP87D series, Pluto orbit model (against an
// independent ephemeris), the dispatch between them.
#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "astro/apparent.h"
#include "astro/numeric.h"
#include "astro/planets.h"
#include "astro/pluto.h"
#include "astro/timescales.h"
#include "astro/vsop87d.h"

namespace quendal {
namespace {

constexpr double arcsecond = RadiansPerDegree / 3600.0;

double AngleDifference(double a, double b) { return std::remainder(a - b, TwoPi); }

// A state with l, b and their rates in radians, as the theory's authors print them.
HeliocentricState InRadians(HeliocentricState s) {
  s.l *= RadiansPerDegree, s.b *= RadiansPerDegree, s.dl *= RadiansPerDegree, s.db *= RadiansPerDegree;
  return s;
}
HeliocentricState Vsop(double jd, int body, double precision = 0.0) {
  return InRadians(Vsop87dSeries(jd, static_cast<BodyCode>(body), precision));
}
HeliocentricState Planet(double jd, int body, double precision = 0.0) {
  return InRadians(PlanetHeliocentric(jd, static_cast<BodyCode>(body), precision));
}
HeliocentricState Pluto(double jd) { return InRadians(PlutoHeliocentric(jd)); }
constexpr int BodyEarth = 3, BodyVenus = 2, BodyMars = 4, BodySaturn = 6, BodyPluto = 9;

// The authors' check values of the complete VSOP87D series (vsop87.chk):
// body, JD (TDB), l, b (rad), r (AU), l', b' (rad/day), r' (AU/day).
struct CheckCase {
  int body;
  double jd, l, b, r, dl, db, dr;
};
const CheckCase checkcases[] = {
    {1, 2451545.0, 4.4293481036, -0.0527573409, 0.4664714751, 0.0479095093, -0.0053006055, 0.0003551593},
    {1, 2415020.0, 3.4851161911, 0.0565906173, 0.4183426275, 0.0595923705, -0.0064746087, 0.0048383515},
    {1, 2378495.0, 2.0737894888, 0.1168184804, 0.3233909533, 0.1007745969, 0.0035976980, 0.0040779555},
    {1, 2341970.0, 0.1910149587, -0.0682441256, 0.3381563139, 0.0913397621, 0.0092720130, -0.0051301893},
    {1, 2305445.0, 5.1836421820, -0.1170914848, 0.4326517759, 0.0563078443, -0.0019460816, -0.0041687376},
    {1, 2268920.0, 4.2636517903, -0.0457048516, 0.4661523936, 0.0479439034, -0.0054474573, 0.0005305577},
    {1, 2232395.0, 3.3115600862, 0.0639722347, 0.4152385205, 0.0605435516, -0.0063076525, 0.0049542248},
    {1, 2195870.0, 1.8738888759, 0.1126774697, 0.3209366232, 0.1022284345, 0.0047707226, 0.0038043935},
    {1, 2159345.0, 6.2819826060, -0.0768697084, 0.3414354250, 0.0897098220, 0.0085059878, -0.0052737850},
    {1, 2122820.0, 5.0128397764, -0.1143275808, 0.4352063237, 0.0556152455, -0.0023509297, -0.0040232429},
    {2, 2451545.0, 3.1870221833, 0.0569782849, 0.7202129253, 0.0282472304, -0.0004582174, 0.0001057609},
    {2, 2415020.0, 5.9749622238, -0.0591260014, 0.7274719359, 0.0276932290, -0.0000981975, -0.0000738187},
    {2, 2378495.0, 2.5083656668, 0.0552309407, 0.7185473298, 0.0283727833, 0.0006052624, 0.0000357622},
    {2, 2341970.0, 5.3115708036, -0.0455979904, 0.7283407528, 0.0275882476, -0.0010411153, 0.0000066108},
    {2, 2305445.0, 1.8291359617, 0.0311394084, 0.7186375037, 0.0283070593, 0.0014252119, -0.0000505361},
    {2, 2268920.0, 4.6495448744, -0.0145437542, 0.7273363753, 0.0276128079, -0.0015850133, 0.0000879530},
    {2, 2232395.0, 1.1527504143, -0.0054100666, 0.7205428514, 0.0281308261, 0.0016585927, -0.0001198485},
    {2, 2195870.0, 3.9850309909, 0.0222342485, 0.7247441174, 0.0278186029, -0.0015253233, 0.0001384965},
    {2, 2159345.0, 0.4804699931, -0.0395505250, 0.7235430458, 0.0279409153, 0.0012274064, -0.0001442265},
    {2, 2122820.0, 3.3145399295, 0.0505016053, 0.7215819783, 0.0281206788, -0.0008621804, 0.0001373350},
    {3, 2451545.0, 1.7519238681, -0.0000039656, 0.9833276819, 0.0177924465, 0.0000001146, -0.0000073533},
    {3, 2415020.0, 1.7391225563, -0.0000005679, 0.9832689778, 0.0177986246, -0.0000007021, -0.0000063767},
    {3, 2378495.0, 1.7262638916, 0.0000002083, 0.9832274321, 0.0177977841, -0.0000002336, -0.0000080498},
    {3, 2341970.0, 1.7134419105, 0.0000025051, 0.9831498441, 0.0177946240, 0.0000005708, -0.0000047389},
    {3, 2305445.0, 1.7006065938, -0.0000016359, 0.9831254376, 0.0177887700, 0.0000004115, 0.0000033440},
    {3, 2268920.0, 1.6877624960, -0.0000020340, 0.9830816756, 0.0177901891, -0.0000004781, 0.0000136071},
    {3, 2232395.0, 1.6750110961, 0.0000037879, 0.9830754409, 0.0177958136, -0.0000005221, 0.0000242192},
    {3, 2195870.0, 1.6622048657, 0.0000015133, 0.9830942385, 0.0178015076, 0.0000002953, 0.0000271498},
    {3, 2159345.0, 1.6495143197, -0.0000013003, 0.9830440397, 0.0178071396, 0.0000006915, 0.0000275960},
    {3, 2122820.0, 1.6367193623, -0.0000031292, 0.9830331815, 0.0178036194, -0.0000001563, 0.0000273747},
    {4, 2451545.0, 6.2735389983, -0.0247779824, 1.3912076925, 0.0109247619, 0.0002261122, 0.0005173281},
    {4, 2415020.0, 4.9942005211, -0.0271965869, 1.4218777705, 0.0104598895, -0.0001821239, -0.0009706919},
    {4, 2378495.0, 3.8711855478, 0.0034969939, 1.5615140011, 0.0086666187, -0.0002784034, -0.0012229676},
    {4, 2341970.0, 2.9166648690, 0.0280268149, 1.6584697082, 0.0076889546, -0.0001236824, -0.0003706795},
    {4, 2305445.0, 2.0058210394, 0.0300702181, 1.6371997207, 0.0078914116, 0.0000936274, 0.0007230990},
    {4, 2268920.0, 1.0050966939, 0.0066676098, 1.5123622690, 0.0092394655, 0.0002924831, 0.0013005711},
    {4, 2232395.0, 6.0979760762, -0.0266794243, 1.3925964529, 0.0109044950, 0.0001995751, 0.0005353359},
    {4, 2195870.0, 4.8193924948, -0.0255031923, 1.4208707215, 0.0104742113, -0.0002087747, -0.0009489904},
    {4, 2159345.0, 3.6939294875, 0.0065885509, 1.5593802008, 0.0086913497, -0.0002756376, -0.0012209924},
    {4, 2122820.0, 2.7367104344, 0.0295522719, 1.6571002307, 0.0077025917, -0.0001021869, -0.0003860080},
    {5, 2451545.0, 0.6334614186, -0.0205001039, 4.9653813154, 0.0015914696, 0.0000157673, 0.0001304080},
    {5, 2415020.0, 4.0927527024, 0.0161446618, 5.3850276671, 0.0013527902, -0.0000218840, -0.0002468357},
    {5, 2378495.0, 1.5255696771, -0.0043606936, 5.1318457604, 0.0014891769, 0.0000335365, 0.0003513970},
    {5, 2341970.0, 4.8888943125, -0.0011098085, 5.1888133656, 0.0014564559, -0.0000335011, -0.0003701137},
    {5, 2305445.0, 2.3348832684, 0.0140523907, 5.3439455032, 0.0013734853, 0.0000252124, 0.0002899715},
    {5, 2268920.0, 5.7527666852, -0.0188346311, 5.0018007395, 0.0015680371, -0.0000212635, -0.0002114848},
    {5, 2232395.0, 3.0889515350, 0.0231157947, 5.4491570191, 0.0013213990, 0.0000039589, 0.0000468252},
    {5, 2195870.0, 0.3776503430, -0.0222448936, 4.9715071036, 0.0015874932, 0.0000116588, 0.0001158213},
    {5, 2159345.0, 3.8455069137, 0.0185554473, 5.3896206945, 0.0013506892, -0.0000195538, -0.0002148837},
    {5, 2122820.0, 1.2695066546, -0.0075335740, 5.1193587362, 0.0014965116, 0.0000335173, 0.0003415381},
    {6, 2451545.0, 0.7980038761, -0.0401984149, 9.1838483715, 0.0006315388, 0.0000102810, -0.0002152910},
    {6, 2415020.0, 4.6512836347, 0.0192701409, 10.0668531997, 0.0005251308, -0.0000204421, 0.0000314346},
    {6, 2378495.0, 2.1956677359, 0.0104156566, 9.1043068639, 0.0006415768, 0.0000271252, 0.0001888842},
    {6, 2341970.0, 5.8113963637, -0.0291472787, 9.7629994924, 0.0005584480, -0.0000181139, -0.0002760239},
    {6, 2305445.0, 3.5217555199, 0.0437035058, 9.7571035629, 0.0005594038, -0.0000006983, 0.0002970345},
    {6, 2268920.0, 0.8594235308, -0.0379350088, 9.0669212839, 0.0006470969, 0.0000141612, -0.0001756487},
    {6, 2232395.0, 4.6913199264, 0.0146771898, 10.1065692994, 0.0005201683, -0.0000214885, -0.0000400552},
    {6, 2195870.0, 2.2948875823, 0.0178533697, 9.1857599537, 0.0006290832, 0.0000251980, 0.0002663743},
    {6, 2159345.0, 5.8660241564, -0.0333866503, 9.5927173940, 0.0005771902, -0.0000164313, -0.0003120077},
    {6, 2122820.0, 3.5570108069, 0.0435371139, 9.8669939498, 0.0005458233, -0.0000033630, 0.0002502429},
    {7, 2451545.0, 5.5225485803, -0.0119527838, 19.9240482667, 0.0001905185, -0.0000011886, 0.0000977914},
    {7, 2415020.0, 4.3397761173, 0.0011570307, 18.9927163620, 0.0002099770, -0.0000028204, 0.0001832534},
    {7, 2378495.0, 3.0388348558, 0.0132392955, 18.2991154397, 0.0002257402, -0.0000005801, 0.0000296138},
    {7, 2341970.0, 1.7242204720, 0.0059836565, 18.7966208854, 0.0002133550, 0.0000025663, -0.0001670846},
    {7, 2305445.0, 0.5223325214, -0.0089983885, 19.7819882707, 0.0001929802, 0.0000019325, -0.0001352303},
    {7, 2268920.0, 5.6817615582, -0.0129257254, 20.0300462993, 0.0001888747, -0.0000006990, 0.0000528369},
    {7, 2232395.0, 4.5254482963, -0.0019303340, 19.2694311058, 0.0002036904, -0.0000027058, 0.0001837904},
    {7, 2195870.0, 3.2557221720, 0.0120919639, 18.3948228639, 0.0002229616, -0.0000013148, 0.0000816221},
    {7, 2159345.0, 1.9333853935, 0.0088045918, 18.5841501334, 0.0002185738, 0.0000022193, -0.0001379361},
    {7, 2122820.0, 0.7007226224, -0.0065610611, 19.5612078271, 0.0001978055, 0.0000023223, -0.0001607791},
    {8, 2451545.0, 5.3045629252, 0.0042236789, 30.1205328392, 0.0001046473, -0.0000031841, -0.0000351213},
    {8, 2415020.0, 1.4956195225, -0.0219610030, 29.8710345051, 0.0001061710, 0.0000023201, 0.0000148205},
    {8, 2378495.0, 3.9290537977, 0.0310692112, 30.3209192288, 0.0001031840, -0.0000003128, 0.0000052319},
    {8, 2341970.0, 0.0815199679, -0.0260752533, 29.8685860491, 0.0001065815, -0.0000018460, -0.0000089715},
    {8, 2305445.0, 2.5537079778, 0.0102374010, 30.1360158724, 0.0001048359, 0.0000031071, 0.0000264309},
    {8, 2268920.0, 4.9678695785, 0.0116907777, 30.1785350169, 0.0001044173, -0.0000030582, -0.0000303637},
    {8, 2232395.0, 1.1523661584, -0.0273547725, 29.8326055236, 0.0001065954, 0.0000017305, 0.0000063316},
    {8, 2195870.0, 3.5930943433, 0.0316878975, 30.3109114960, 0.0001032055, 0.0000004694, 0.0000068902},
    {8, 2159345.0, 6.0203596580, -0.0215169842, 29.9065506848, 0.0001061056, -0.0000025258, -0.0000157107},
    {8, 2122820.0, 2.2124988267, 0.0027498093, 30.0653693610, 0.0001051888, 0.0000033730, 0.0000314401},
};

TEST(Vsop87dSeries, TruncatedSeriesFollowTheCompleteTheory) {
  // The stored leading terms stay within an arcsecond of the complete series
  // from 1100 to 2000 (FK5 step included, about 0.1").
  for (const CheckCase& c : checkcases) {
    HeliocentricState s;
    ASSERT_EQ((s = Vsop(c.jd, c.body, 0.0)).status, AstroStatus::Ok);
    EXPECT_LT(std::fabs(AngleDifference(s.l, c.l)), 1.0 * arcsecond) << c.body << " " << c.jd;
    EXPECT_LT(std::fabs(s.b - c.b), 1.0 * arcsecond) << c.body << " " << c.jd;
    EXPECT_LT(std::fabs(s.r - c.r) / c.r, 1.0 * arcsecond) << c.body << " " << c.jd;
    EXPECT_LT(std::fabs(s.dl - c.dl), 0.1 * arcsecond) << c.body << " " << c.jd;
    EXPECT_LT(std::fabs(s.db - c.db), 0.1 * arcsecond) << c.body << " " << c.jd;
    EXPECT_LT(std::fabs(s.dr - c.dr), 3e-7) << c.body << " " << c.jd;
  }
}

TEST(Vsop87dSeries, ValuesAtJ2000) {
  struct Expected {
    int body;
    double l, b, r;  // degrees, degrees, AU
  };
  const Expected expected[] = {
      {1, 253.783, -3.023, 0.46647},  {2, 182.603, 3.265, 0.72021},
      {4, 359.447, -1.420, 1.39121},  {5, 36.295, -1.175, 4.96538},
      {6, 45.722, -2.303, 9.18385},   {7, 316.419, -0.685, 19.92405},
      {8, 303.929, 0.242, 30.12053},
  };
  for (const Expected& e : expected) {
    HeliocentricState s;
    ASSERT_EQ((s = Vsop(2451545.0, e.body, 0.0)).status, AstroStatus::Ok);
    EXPECT_NEAR(s.l * DegreesPerRadian, e.l, 0.0005) << e.body;
    EXPECT_NEAR(s.b * DegreesPerRadian, e.b, 0.0005) << e.body;
    EXPECT_NEAR(s.r, e.r, 0.000005) << e.body;
  }
  HeliocentricState earth;
  ASSERT_EQ((earth = Vsop(2451545.0, BodyEarth, 0.0)).status, AstroStatus::Ok);
  EXPECT_NEAR(earth.l * DegreesPerRadian, 100.378, 0.0005);
  EXPECT_NEAR(earth.b / arcsecond, -0.9, 0.05);
  EXPECT_NEAR(earth.r, 0.98333, 0.000005);
  EXPECT_NEAR(earth.dl, 0.01779, 0.000005);
}

TEST(Vsop87dSeries, MeeusExample32a) {
  // Venus, 1992 December 20, 0h TD: L = 26.11428 deg, B = -2.62070 deg,
  // R = 0.724603 AU (Meeus' own abridged series, without the FK5 step).
  HeliocentricState s;
  ASSERT_EQ((s = Vsop(2448976.5, BodyVenus, 0.0)).status, AstroStatus::Ok);
  EXPECT_NEAR(s.l * DegreesPerRadian, 26.11428, 0.0003);
  EXPECT_NEAR(s.b * DegreesPerRadian, -2.62070, 0.0003);
  EXPECT_NEAR(s.r, 0.724603, 0.000003);
}

TEST(Vsop87dSeries, RatesAgreeWithTheMotion) {
  // dX/dt against a central difference of the positions over 0.02 day (the
  // rates leave out the change of the small FK5 step, about 1e-8 rad/day).
  const double h = 0.01;
  for (int body = 1; body <= 8; ++body) {
    for (double jd = 2415020.5; jd < 2488070.0; jd += 3652.5 + 17.3) {
      HeliocentricState s, before, after;
      ASSERT_EQ((s = Vsop(jd, body, 0.0)).status, AstroStatus::Ok);
      ASSERT_EQ((before = Vsop(jd - h, body, 0.0)).status, AstroStatus::Ok);
      ASSERT_EQ((after = Vsop(jd + h, body, 0.0)).status, AstroStatus::Ok);
      EXPECT_NEAR(s.dl, AngleDifference(after.l, before.l) / (2 * h), 5e-8) << body << " " << jd;
      EXPECT_NEAR(s.db, (after.b - before.b) / (2 * h), 5e-8) << body << " " << jd;
      EXPECT_NEAR(s.dr, (after.r - before.r) / (2 * h), 5e-8) << body << " " << jd;
    }
  }
}

TEST(Vsop87dSeries, PrecisionDropsSmallTermsOnly) {
  // A coarser precision leaves out small terms (and the FK5 step); the result
  // stays within a few times the requested precision of the full series.
  for (double precision : {1e-6, 1e-5, 1e-4, 1e-3}) {
    for (int body = 1; body <= 8; ++body) {
      for (double jd : {2415020.5, 2451545.0, 2460000.5, 2488070.0}) {
        HeliocentricState full, coarse;
        ASSERT_EQ((full = Vsop(jd, body, 0.0)).status, AstroStatus::Ok);
        ASSERT_EQ((coarse = Vsop(jd, body, precision)).status, AstroStatus::Ok);
        EXPECT_LT(std::fabs(AngleDifference(coarse.l, full.l)), 10 * precision) << body << " " << jd;
        EXPECT_LT(std::fabs(coarse.b - full.b), 10 * precision) << body << " " << jd;
        EXPECT_LT(std::fabs(coarse.r - full.r), 10 * precision * full.r) << body << " " << jd;
      }
    }
  }
  // At 5e-7 and above the FK5 step is left out: -0.09" in longitude at most.
  HeliocentricState full, fine;
  ASSERT_EQ((full = Vsop(2451545.0, BodyEarth, 0.0)).status, AstroStatus::Ok);
  ASSERT_EQ((fine = Vsop(2451545.0, BodyEarth, 5e-7)).status, AstroStatus::Ok);
  EXPECT_NEAR((full.l - fine.l) / arcsecond, -0.09033, 0.02);
}

TEST(Vsop87dSeries, RejectsBodiesAndPrecisionsOutOfRange) {
  for (int body : {0, 9, -1}) {
    const HeliocentricState s = Vsop87dSeries(2451545.0, static_cast<BodyCode>(body));
    EXPECT_EQ(s.status, AstroStatus::NoPosition) << body;
    EXPECT_EQ(s.l, 0.0);
  }
  EXPECT_EQ(Vsop87dSeries(2451545.0, BodyCode::Mercury, 0.002).status, AstroStatus::BadPrecision);
  EXPECT_EQ(Vsop87dSeries(2451545.0, BodyCode::Mercury, -1e-9).status, AstroStatus::BadPrecision);
  EXPECT_EQ(Vsop87dSeries(2451545.0, BodyCode::Mercury, std::numeric_limits<double>::quiet_NaN()).status,
            AstroStatus::BadPrecision);
  EXPECT_EQ(Vsop87dSeries(2451545.0, BodyCode::Mercury, 0.001).status, AstroStatus::Ok);
}

// Kepler's equation by bisection, independent of the Newton iteration.
double EccentricAnomaly(double m, double e) {
  double lo = m - 1.0, hi = m + 1.0;
  for (int n = 0; n < 200; ++n) {
    const double mid = 0.5 * (lo + hi);
    (mid - e * std::sin(mid) - m < 0.0 ? lo : hi) = mid;
  }
  return 0.5 * (lo + hi);
}

TEST(KeplerEllipsePosition, MatchesAnIndependentEllipse) {
  for (double e : {0.0, 0.1, 0.25, 0.6, 0.95}) {
    for (double i : {0.0, 17.1, 95.0}) {
      for (double m = 0.0; m < 360.0; m += 23.7) {
        detail::OrbitModel model;
        model.a = 39.5;
        model.e = e;
        model.i = i;
        model.node = 110.3;
        model.perihelion = 113.8;
        model.m = m;
        double l = 0, b = 0, r = 0;
        ASSERT_EQ(detail::KeplerEllipsePosition(2451545.0, model, l, b, r), AstroStatus::Ok);
        // The same point by rotating the orbital-plane vector into the ecliptic.
        const double big = EccentricAnomaly(m * RadiansPerDegree, e);
        const double x = model.a * (std::cos(big) - e);
        const double y = model.a * std::sqrt(1 - e * e) * std::sin(big);
        const double w = model.perihelion * RadiansPerDegree, o = model.node * RadiansPerDegree;
        const double inc = i * RadiansPerDegree;
        const double xp = x * std::cos(w) - y * std::sin(w), yp = x * std::sin(w) + y * std::cos(w);
        const double ex = xp * std::cos(o) - yp * std::cos(inc) * std::sin(o);
        const double ey = xp * std::sin(o) + yp * std::cos(inc) * std::cos(o);
        const double ez = yp * std::sin(inc);
        const double rr = std::sqrt(ex * ex + ey * ey + ez * ez);
        EXPECT_NEAR(r, rr, 1e-9 * rr) << e << " " << i << " " << m;
        EXPECT_NEAR(b, std::asin(ez / rr), 1e-9) << e << " " << i << " " << m;
        EXPECT_NEAR(AngleDifference(l, std::atan2(ey, ex)), 0.0, 1e-9) << e << " " << i << " " << m;
        EXPECT_GE(l, 0.0);
        EXPECT_LT(l, TwoPi);
      }
    }
  }
}

TEST(KeplerEllipsePosition, CallsTheModelsCallbacks) {
  detail::OrbitModel model;
  model.elements = [](double jd, detail::OrbitModel& m) {
    m.jd = jd;
    m.a = 1.0;
    m.e = 0.0;
    m.i = 0.0;
    m.node = 10.0;
    m.perihelion = 20.0;
    m.m = 30.0;
    m.longitude = m.radius = m.latitude = 0.0;
  };
  model.perturbation = [](double, detail::OrbitModel& m) {
    m.longitude += 1.0 * RadiansPerDegree;
    m.radius += 0.5;
    m.latitude = 2.0 * RadiansPerDegree;
  };
  double l = 0, b = 0, r = 0;
  ASSERT_EQ(detail::KeplerEllipsePosition(2440000.5, model, l, b, r), AstroStatus::Ok);
  EXPECT_EQ(model.jd, 2440000.5);
  EXPECT_NEAR(l * DegreesPerRadian, 61.0, 1e-9);
  EXPECT_NEAR(b * DegreesPerRadian, 2.0, 1e-9);
  EXPECT_NEAR(r, 1.5, 1e-12);
}

TEST(KeplerEllipsePosition, ReportsANonConvergingIteration) {
  detail::OrbitModel model;
  model.a = 1.0;
  model.e = 0.5;
  model.m = std::numeric_limits<double>::quiet_NaN();
  double l = -1, b = -1, r = -1;
  EXPECT_EQ(detail::KeplerEllipsePosition(2451545.0, model, l, b, r), AstroStatus::KeplerFailed);
  EXPECT_EQ(l, -1);
}

TEST(PlutoHeliocentric, ValuesAtJ2000) {
  HeliocentricState s;
  ASSERT_EQ((s = Pluto(2451545.0)).status, AstroStatus::Ok);
  EXPECT_NEAR(s.l * DegreesPerRadian, 250.54, 0.005);
  EXPECT_NEAR(s.b * DegreesPerRadian, 11.16, 0.005);
  EXPECT_NEAR(s.r, 30.224, 0.0005);
}

TEST(PlutoHeliocentric, MeeusExample37a) {
  // 1992 October 13.0 TD: l = 232.74071 deg, b = 14.58782 deg, r = 29.711111 AU
  // on the ecliptic and equinox J2000.0 (Meeus' 43-term theory). Our place is
  // of date: 7.2 years of general precession (-362.3") earlier.
  HeliocentricState s;
  ASSERT_EQ((s = Pluto(2448908.5)).status, AstroStatus::Ok);
  EXPECT_NEAR(s.l * DegreesPerRadian + 362.3 / 3600.0, 232.74071, 0.003);
  EXPECT_NEAR(s.b * DegreesPerRadian, 14.58782, 0.003);
  EXPECT_NEAR(s.r, 29.711111, 0.001);
}

TEST(PlutoHeliocentric, RatesAndContinuity) {
  // The forward one-day rate predicts the next day; no jumps day by day over
  // three centuries (through the wrap of the longitude at 0).
  HeliocentricState previous;
  ASSERT_EQ((previous = Pluto(2378495.0)).status, AstroStatus::Ok);
  for (double jd = 2378495.0 + 37.0; jd < 2488070.0; jd += 37.0) {
    HeliocentricState s;
    ASSERT_EQ((s = Pluto(jd)).status, AstroStatus::Ok);
    EXPECT_GT(s.dl, 0.0);
    EXPECT_LT(s.dl, 0.0005);
    EXPECT_LT(std::fabs(AngleDifference(s.l, previous.l) - 37.0 * s.dl), 0.01 * RadiansPerDegree) << jd;
    EXPECT_LT(std::fabs(s.r - previous.r), 37.0 * 0.001);
    HeliocentricState next;
    ASSERT_EQ((next = Pluto(jd + 1.0)).status, AstroStatus::Ok);
    EXPECT_NEAR(AngleDifference(next.l, s.l), s.dl, 1e-12);
    EXPECT_NEAR(next.r - s.r, s.dr, 1e-12);
    previous = s;
  }
}

TEST(PlanetHeliocentric, DispatchesAndChecks) {
  HeliocentricState s, direct;
  for (int body = 1; body <= 8; ++body) {
    ASSERT_EQ((s = Planet(2455000.25, body, 0.0)).status, AstroStatus::Ok);
    ASSERT_EQ((direct = Vsop(2455000.25, body, 0.0)).status, AstroStatus::Ok);
    EXPECT_EQ(s.l, direct.l);
    EXPECT_EQ(s.r, direct.r);
  }
  ASSERT_EQ((s = Planet(2455000.25, BodyPluto, 0.0)).status, AstroStatus::Ok);
  ASSERT_EQ((direct = Pluto(2455000.25)).status, AstroStatus::Ok);
  EXPECT_EQ(s.l, direct.l);
  for (BodyCode body : {BodyCode::Sun, BodyCode::Moon, static_cast<BodyCode>(10)})
    EXPECT_EQ(PlanetHeliocentric(2451545.0, body).status, AstroStatus::NoPosition);
  EXPECT_EQ(PlanetHeliocentric(2451545.0, BodyCode::Mars, 0.002).status, AstroStatus::BadPrecision);
  EXPECT_EQ(PlanetHeliocentric(std::numeric_limits<double>::quiet_NaN(), BodyCode::Pluto).status,
            AstroStatus::KeplerFailed);
  // Nothing is kept between calls: a repeated instant gives the same state.
  const HeliocentricState first = PlanetHeliocentric(2460123.375, BodyCode::Saturn);
  const HeliocentricState coarse = PlanetHeliocentric(2460123.375, BodyCode::Saturn, 1e-4);
  const HeliocentricState again = PlanetHeliocentric(2460123.375, BodyCode::Saturn);
  EXPECT_EQ(first.l, again.l);
  EXPECT_EQ(first.dr, again.dr);
  EXPECT_NE(coarse.l, first.l);
}

TEST(KeplerEllipsePosition, OnlyEllipsesHavePositions) {
  for (double e : {-0.1, 1.0, 1.7}) {
    detail::OrbitModel model;
    model.a = 40.0;
    model.e = e;
    model.m = 10.0;
    double l = -1, b = -1, r = -1;
    EXPECT_EQ(detail::KeplerEllipsePosition(2451545.0, model, l, b, r), AstroStatus::KeplerFailed) << e;
    EXPECT_EQ(r, -1);
  }
  detail::OrbitModel model;
  model.a = -1.0;
  model.e = 0.2;
  double l, b, r;
  EXPECT_EQ(detail::KeplerEllipsePosition(2451545.0, model, l, b, r), AstroStatus::KeplerFailed);
}

// Twelve thousand years from its epoch Pluto's element polynomials give an
// eccentricity below 0: a failure, not a position of NaNs.
// Within 1000..3000 the model counts as fitted; outside it gives its values
// marked OutOfRange.
TEST(PlutoHeliocentric, FailsWhereTheElementsLeaveTheEllipse) {
  HeliocentricState state = PlutoHeliocentric(2451545.0 - 12000.0 * 365.25);
  EXPECT_EQ(state.status, AstroStatus::KeplerFailed);
  EXPECT_EQ(state.r, 0.0);
  state = PlutoHeliocentric(2451545.0 + 8000.0 * 365.25);
  EXPECT_EQ(state.status, AstroStatus::OutOfRange);
  EXPECT_TRUE(std::isfinite(state.r) && state.r > 20.0);
  EXPECT_EQ(PlutoHeliocentric(PlutoFittedFirst).status, AstroStatus::Ok);
  EXPECT_EQ(PlutoHeliocentric(PlutoFittedLast).status, AstroStatus::Ok);
  EXPECT_EQ(PlutoHeliocentric(PlutoFittedFirst - 1.0).status, AstroStatus::OutOfRange);
  EXPECT_EQ(PlutoHeliocentric(PlutoFittedLast + 1.0).status, AstroStatus::OutOfRange);
}

// Pluto's apparent place against Chapront's theory of 1995 as computed by an
// independent program (tests/data/pluto_pyephem.txt, made by
// tools/gen_pluto_reference.py): within 10" from 1885 to 2099. The J2000.0
// positions of the model are carried to the date by the rigorous precession
// of the ecliptic; with the general precession in longitude alone (the
// ecliptic's own motion neglected) the error grows to 50".
TEST(PlutoHeliocentric, AgreesWithAnIndependentEphemeris) {
  std::ifstream file(std::string(QUENDAL_SOURCE_DIR) + "/tests/data/pluto_pyephem.txt");
  ASSERT_TRUE(file.good());
  std::string line;
  int rows = 0;
  double worst = 0.0;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    double tt, ra, dec;
    ASSERT_TRUE(fields >> tt >> ra >> dec) << line;
    const ApparentPlace p = BodyPosition(FrameAt(InstantFromTT(tt)), BodyCode::Pluto);
    ASSERT_EQ(p.status, AstroStatus::Ok);
    const double c = std::sin(dec * RadiansPerDegree) * std::sin(p.dec * RadiansPerDegree) +
                     std::cos(dec * RadiansPerDegree) * std::cos(p.dec * RadiansPerDegree) *
                         std::cos((ra - p.ra) * 15.0 * RadiansPerDegree);
    worst = std::fmax(worst, std::acos(std::fmin(c, 1.0)) / arcsecond);
    ++rows;
  }
  EXPECT_GT(rows, 600);
  EXPECT_LT(worst, 10.0);
}

}  // namespace
}  // namespace quendal
