// quendal-report events: the line format, order and range, run as a process.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cli_run.h"

using clitest::Result;
using clitest::run;

namespace {

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

// "YYYY-MM-DDTHH:MM:SSZ" well formed.
bool isinstant(const std::string& s) {
  if (s.size() != 20) return false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    const bool ok = (i == 4 || i == 7)     ? c == '-'
                    : i == 10              ? c == 'T'
                    : (i == 13 || i == 16) ? c == ':'
                    : i == 19              ? c == 'Z'
                                           : (c >= '0' && c <= '9');
    if (!ok) return false;
  }
  return true;
}

std::vector<std::string> fields(const std::string& line) {
  std::vector<std::string> out;
  std::istringstream in(line);
  for (std::string f; std::getline(in, f, ',');) out.push_back(f);
  return out;
}

}  // namespace

TEST(CliEvents, PhasesOfFebruary2024) {
  const Result r = run("events --what phases --from 2024-02-01 --to 2024-02-29");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "2024-02-02T23:17:57Z,last\n"
            "2024-02-09T22:59:01Z,new\n"
            "2024-02-16T15:00:52Z,first\n"
            "2024-02-24T12:30:20Z,full\n");
}

TEST(CliEvents, SeasonsOf2024) {
  const Result r = run("events --what seasons --from 2024-01-01 --to 2024-12-31");
  EXPECT_EQ(r.status, 0);
  const std::vector<std::string> l = lines(r.out);
  ASSERT_EQ(l.size(), 4u);
  EXPECT_EQ(l[0].substr(0, 16), "2024-03-20T03:06");
  EXPECT_EQ(l[0].substr(20), ",spring");
  EXPECT_EQ(l[1].substr(20), ",summer");
  EXPECT_EQ(l[2].substr(20), ",autumn");
  EXPECT_EQ(l[3].substr(0, 16), "2024-12-21T09:20");
  EXPECT_EQ(l[3].substr(20), ",winter");
}

TEST(CliEvents, EclipsesOf2024And2025) {
  const Result r = run("events --what eclipses --from 2024-01-01 --to 2025-12-31");
  EXPECT_EQ(r.status, 0);
  std::string kinds;
  for (const std::string& line : lines(r.out)) kinds += line.substr(0, 10) + fields(line)[1] + " ";
  EXPECT_EQ(kinds,
            "2024-04-08solar-total 2024-09-18lunar-partial 2024-10-02solar-annular "
            "2025-03-14lunar-total 2025-03-29solar-partial 2025-09-07lunar-total "
            "2025-09-21solar-partial ");
}

TEST(CliEvents, ApsidesCarryTheDistance) {
  const Result r = run("events --what apsides --from 2024-01-01 --to 2024-12-31");
  EXPECT_EQ(r.status, 0);
  const std::vector<std::string> l = lines(r.out);
  EXPECT_GE(l.size(), 26u);
  EXPECT_LE(l.size(), 28u);
  std::string previous, previouskind;
  for (const std::string& line : l) {
    const std::vector<std::string> f = fields(line);
    ASSERT_EQ(f.size(), 3u) << line;
    EXPECT_TRUE(isinstant(f[0])) << line;
    EXPECT_GT(f[0], previous);
    EXPECT_NE(f[1], previouskind) << line;  // apogee and perigee alternate
    const std::size_t dot = f[2].find('.');
    ASSERT_NE(dot, std::string::npos);
    EXPECT_EQ(f[2].size() - dot, 2u) << line;  // one decimal
    const double km = std::atof(f[2].c_str());
    if (f[1] == "apogee") {
      EXPECT_GT(km, 404000.0);
      EXPECT_LT(km, 406800.0);
    } else {
      ASSERT_EQ(f[1], "perigee");
      EXPECT_GT(km, 356300.0);
      EXPECT_LT(km, 370500.0);
    }
    previous = f[0];
    previouskind = f[1];
  }
}

TEST(CliEvents, RangeIsInclusiveAndOrdered) {
  // Every phase of 1800..1810 in order; the range holds its first and last day.
  const Result r = run("events --what phases --from 1800-01-01 --to 1810-12-31");
  EXPECT_EQ(r.status, 0);
  const std::vector<std::string> l = lines(r.out);
  EXPECT_NEAR(static_cast<double>(l.size()), 11 * 365.25 / 29.530589 * 4, 4.0);
  std::string previous;
  const char* const order[4] = {"new", "first", "full", "last"};
  int expected = -1;
  for (const std::string& line : l) {
    const std::vector<std::string> f = fields(line);
    ASSERT_EQ(f.size(), 2u);
    ASSERT_TRUE(isinstant(f[0]));
    EXPECT_GT(f[0], previous);
    EXPECT_GE(f[0], "1800-01-01T00:00:00Z");
    EXPECT_LE(f[0], "1810-12-31T23:59:59Z");
    int index = 0;
    while (index < 4 && f[1] != order[index]) ++index;
    ASSERT_LT(index, 4) << line;
    if (expected >= 0) {
      EXPECT_EQ(index, expected) << line;
    }
    expected = (index + 1) % 4;
    previous = f[0];
  }
  // A one-day range holding the new moon of 2024 February 9.
  EXPECT_EQ(run("events --what phases --from 2024-02-09 --to 2024-02-09").out, "2024-02-09T22:59:01Z,new\n");
  EXPECT_EQ(run("events --what phases --from 2024-02-10 --to 2024-02-15").out, "");
}

TEST(CliEvents, BadOptionsAreUsageErrors) {
  EXPECT_EQ(run("events --what tides --from 2024-01-01 --to 2024-12-31").status, 2);
  EXPECT_EQ(run("events --what phases --from 2024-12-31 --to 2024-01-01").status, 2);
  EXPECT_EQ(run("events --what phases --from 2024-02-30 --to 2024-03-01").status, 2);
  EXPECT_EQ(run("events --what phases --from 99-01-01 --to 2024-03-01").status, 2);
  EXPECT_EQ(run("events --what phases --from 2024-01-01").status, 2);
  EXPECT_EQ(run("events --from 2024-01-01 --to 2024-01-02").status, 2);
  EXPECT_EQ(run("events --what phases --from 2024-01-01 --to 2024-01-02 --zone 1").status, 2);
}
