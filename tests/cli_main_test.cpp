// quendal-report: the global options and the main subcommand, run as a process.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "cli_run.h"

using clitest::Result;
using clitest::run;

namespace {

bool contains(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }

}  // namespace

TEST(CliMain, YearOverview) {
  const Result r = run("--lang de --today 2024-03-15 main --year 2024");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "\n Feiertage (vom Osterdatum abhängig): (gregorianisch) \n\n"
            " Ostern fällt auf Sonntag, den 31. März 2024\n"
            " Christi Himmelfahrt fällt auf Donnerstag, den 9. Mai 2024\n"
            " Pfingsten fällt auf Sonntag, den 19. Mai 2024\n"
            " Fronleichnam fällt auf Donnerstag, den 30. Mai 2024\n\n"
            " (Epakte: 19, Goldene Zahl: 11 für das Jahr 2024)\n\n"
            " Heute ist Freitag, der 15. März 2024 \n"
            " (Der 75. Tag des Jahres 2024 - 291 Tage verbleibend) ");
}

TEST(CliMain, PagesAndLanguages) {
  EXPECT_TRUE(contains(run("--lang at --today 2024-03-15 main --year 2024 --page 1").out, "Jänner 2024"));
  EXPECT_TRUE(contains(run("--lang de main --year 1582 --page 10").out, "  4  15  16  17 "));
  EXPECT_TRUE(contains(run("--lang en main --year 2024 --page=3").out, "March 2024 (greg.)"));
  // The language comes from the environment without --lang.
  EXPECT_TRUE(contains(run("main --year 2024 --page 3", "LC_ALL= LC_MESSAGES= LANG=de_AT.UTF-8").out, "März"));
  EXPECT_TRUE(contains(run("main --year 2024 --page 1", "LC_ALL=de_AT.UTF-8 LANG=C").out, "Jänner"));
  EXPECT_TRUE(contains(run("main --year 2024 --page 1", "LC_ALL=C LANG=de_DE.UTF-8").out, "January"));
  // Unknown pages show page 0; page 66 switches the language.
  EXPECT_TRUE(contains(run("--lang en main --year 2024 --page -3").out, "Holidays"));
  EXPECT_TRUE(contains(run("--lang en main --year 2024 --page 66").out, "Feiertage"));
}

TEST(CliMain, LineEndsAndCodePage) {
  const Result crlf = run("--lang de --crlf main --year 2024 --page 14");
  EXPECT_TRUE(contains(crlf.out, "\r\n Ostern So 31.3. "));
  const Result cp = run("--lang de --cp1252 main --year 2024 --page 14");
  EXPECT_TRUE(contains(cp.out, "Kurz\xFC" "bersicht f\xFC" "r das Jahr 2024"));
  EXPECT_FALSE(contains(cp.out, "\r"));
}

TEST(CliMain, MalformedInputExitsWithTwo) {
  EXPECT_EQ(run("").status, 2);
  EXPECT_EQ(run("nosuchcommand").status, 2);
  EXPECT_EQ(run("--lang fr main --year 2024").status, 2);
  EXPECT_EQ(run("--today 2024-02-30 main --year 2024").status, 2);
  EXPECT_EQ(run("--today yesterday main --year 2024").status, 2);
  EXPECT_EQ(run("main").status, 2);
  EXPECT_EQ(run("main --year").status, 2);
  EXPECT_EQ(run("main --year 20x4").status, 2);
  EXPECT_EQ(run("main --year 99").status, 2);
  EXPECT_EQ(run("main --year 10000").status, 2);
  EXPECT_EQ(run("main --year 2024 --colour red").status, 2);
  EXPECT_EQ(run("main --year 2024 --year 2025").status, 2);
  EXPECT_EQ(run("main --year 99999999999999999999").status, 2);
  EXPECT_EQ(run("main --year 2024").out.empty() ? 1 : 0, 0);
}

TEST(CliMain, Help) {
  const Result program = run("--help");
  EXPECT_EQ(program.status, 0);
  EXPECT_TRUE(contains(program.out, "usage: quendal-report"));
  EXPECT_TRUE(contains(program.out, "  main "));
  const Result sub = run("main --help");
  EXPECT_EQ(sub.status, 0);
  EXPECT_TRUE(contains(sub.out, "--page P"));
}
