// quendal-report calendar: the display list line by line, with and without
// the colour codes; the option errors.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

std::vector<std::string> lines(const std::string& args) {
  const clitest::Result r = clitest::run("--lang en --ini /nonexistent calendar " + args);
  EXPECT_EQ(r.status, 0) << args;
  std::vector<std::string> out;
  std::istringstream in(r.out);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

}  // namespace

TEST(CliCalendar, LinesAndColours) {
  const std::vector<std::string> plain = lines("--year 2024 --month 3");
  ASSERT_EQ(plain.size(), 1u + 32u + 4u);
  EXPECT_EQ(plain[0], " March 2024 ");
  EXPECT_EQ(plain[32], "");  // no day 32

  const std::vector<std::string> coloured = lines("--year 2024 --month 11 --view 1 --colors");
  EXPECT_EQ(coloured[0], "10| November 2024 ");
  EXPECT_EQ(coloured[1], "12:0,0,0,0,0,0,0,1| WK     Mon Tue Wed Thu Fri Sat Sun");
  EXPECT_EQ(coloured[2], "12:0,0,0,0,0,1,7,1| 44                      1   2   3  ");  // trailing blanks kept
  EXPECT_EQ(lines("--year 2024 --month 1 --view 2 --colors")[1], "0| Mon  1. Jan. New Year's Day");
}

TEST(CliCalendar, OptionErrors) {
  EXPECT_EQ(clitest::run("calendar --year 2024 --month 3 --view 4").status, 2);
  EXPECT_EQ(clitest::run("calendar --month 3").status, 2);
  EXPECT_EQ(clitest::run("--ini /nonexistent calendar --year 2024 --month 3 --place 3").status, 2);
}
