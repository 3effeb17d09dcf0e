// quendal-report run as a process: one table of command lines with their
// exit status and pieces of their standard output and standard error
// (tests/data/cli_commands.txt), and the few checks a table cannot hold
// (whole texts, laws over many lines, files that are not regular, a full
// disk): every option reaches its report, every refusal names the option
// with status 2 and empty output, the output contracts of the
// script-oriented subcommands hold. Then the option parsers in process.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "astro/apparent.h"
#include "astro/frame.h"
#include "astro/timescales.h"
#include "cli/cli.h"
#include "cli/output_file.h"
#include "cli/place_options.h"
#include "cli/time_zone.h"
#include "cli_run.h"
#include "support.h"

using clitest::Result;
using clitest::run;

namespace {

// Five places (two beginning alike) and a personal date.
std::string places() {
  static const std::string path =
      clitest::file("places.ini",
                    "48 N 12   016E 22 Wien\r\n47 N 49   016E 15 Wiener Neustadt\r\n52 N 31   013E 24 Berlin\r\n"
                    "40 N 43   074W 00 New York\r\n69 N 39   018E 57 Troms\xC3\xB8\r\n1970-05-17 Birthday\r\n");
  return "--ini " + path;
}

struct Case {
  std::string args;
  int status = 0;
  std::string out, err, env;  // pieces of stdout and stderr; environment assignments
};

// The command lines of tests/data/cli_commands.txt.
std::vector<Case> cases() {
  std::vector<Case> all;
  std::istringstream in(testsupport::readfile(std::string(QUENDAL_SOURCE_DIR) + "/tests/data/cli_commands.txt"));
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> f;
    for (std::size_t start = 0, tab;; start = tab + 1) {
      tab = line.find('\t', start);
      f.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
      if (tab == std::string::npos) break;
    }
    f.resize(5);
    if (const std::size_t p = f[0].find("{places}"); p != std::string::npos) f[0].replace(p, 8, places());
    all.push_back({f[0], std::stoi(f[1]), testsupport::unescape(f[2]), testsupport::unescape(f[3]), f[4]});
  }
  EXPECT_GT(all.size(), 150u);
  return all;
}

TEST(CliCommands, Table) {
  for (const Case& c : cases()) {
    const Result r = run(c.args, c.env);
    EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.err;
    EXPECT_NE(r.out.find(c.out), std::string::npos) << c.args << "\n" << r.out;
    if (c.status == 2) {
      EXPECT_EQ(r.out, "") << c.args;
      EXPECT_EQ(r.err.back(), '\n') << c.args;
      EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << c.args << "\n" << r.err;  // one line
    } else {
      EXPECT_EQ(r.err, "") << c.args;
      if (!r.out.empty()) {
        EXPECT_EQ(r.out.back(), '\n') << c.args;  // every text ends with a line end
      }
    }
    EXPECT_NE(r.err.find(c.err), std::string::npos) << c.args << "\n" << r.err;
  }
}

// The whole main report as the report tests know it (tests/golden/), with
// the line ends of the system.
TEST(CliCommands, MainReportWholeText) {
  const Result r = run("--lang de --today 2024-03-15 main --year 2024");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, testsupport::lf(testsupport::golden("main_year_de.txt")) + "\n");
}

// The configuration file: --ini, the working directory, ~/.config/quendal
// ($XDG_CONFIG_HOME), its language line against --lang; the file named.
TEST(CliCommands, ConfigurationFile) {
  const std::string ini = clitest::file("my.ini", "E \r\n1970-05-17 Birthday\r\n");
  EXPECT_EQ(run("--today 2024-06-01 --ini '" + ini + "' config").out,
            " Today is Saturday June 1st, 2024 \n\n May 17th, 1970 - Sunday - Birthday "
            "\n 19739 Days; 2819.86 Weeks; 648.5 Months; 54.04 Years Difference \n\n\n File: " +
                ini + "\n");
  EXPECT_EQ(run("--lang de --today 2024-06-01 --ini '" + ini + "' config").out.rfind(" Heute ist Samstag", 0), 0u);
  // A file without dates: the message names it.
  clitest::file("q.ini", "E \n");
  EXPECT_EQ(
      run("--ini ./q.ini config").out,
      " Today is Friday March 15th, 2024 \n\n No Data (Dates) found in         \n INI-File \"q.ini\"!   \n\n File: "
      "./q.ini\n");
  // Nothing found: the files looked for are named.
  const std::string home = clitest::directory();
  EXPECT_EQ(run("--lang en config").out,
            "\n INI-File \"QUENDAL6.INI\" not found! \n\n Looked for: ./QUENDAL6.INI "
            "./QUENDAL5.INI " +
                home + "/.config/quendal/QUENDAL6.INI " + home + "/.config/quendal/QUENDAL5.INI\n");
  // $XDG_CONFIG_HOME/quendal/QUENDAL5.INI, with its language line.
  mkdir((home + "/xdg").c_str(), 0700);
  mkdir((home + "/xdg/quendal").c_str(), 0700);
  clitest::file("xdg/quendal/QUENDAL5.INI", "D \n");
  const std::string xdg = "XDG_CONFIG_HOME=" + home + "/xdg";
  EXPECT_NE(run("--today 2024-06-01 main --year 2024", xdg).out.find("Ostern"), std::string::npos);
  EXPECT_EQ(run("--lang en --today 2024-06-01 main --year 2024", xdg).out.find("Ostern"), std::string::npos);
  EXPECT_NE(
      run("config", xdg).out.find("\n \"QUENDAL5.INI\" gefunden! \n\n Datei: " + home + "/xdg/quendal/QUENDAL5.INI\n"),
      std::string::npos);
  // The working directory comes first.
  clitest::file("QUENDAL6.INI", "E \n");
  EXPECT_NE(run("config", xdg).out.find(" INI-File \"QUENDAL6.INI\"!   \n\n File: ./QUENDAL6.INI\n"),
            std::string::npos);
  std::remove((home + "/QUENDAL6.INI").c_str());
}

// A FIFO is refused at once (opening it would wait for a writer), also as
// QUENDAL6.INI of the working directory, where it counts as no file.
TEST(CliCommands, FifoIsNeverOpened) {
  const std::string fifo = clitest::directory() + "/fifo.ini", cwd = clitest::directory() + "/QUENDAL6.INI";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  ASSERT_EQ(mkfifo(cwd.c_str(), 0600), 0);
  Result r = run("--ini " + fifo + " main --year 2024");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "quendal-report: --ini: " + fifo + ": not a regular file\n");
  r = run("--lang en config");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("\n INI-File \"QUENDAL6.INI\" not found! ", 0), 0u);
  std::remove(cwd.c_str());
  std::remove(fifo.c_str());
}

TEST(CliCommands, FailedWriteExitsWithOne) {
  const std::pair<const char*, const char*> writes[] = {
      {"main --year 2024 >/dev/full", "standard output"},
      {"events --what phases --from 2024-01-01 --to 2024-12-31 >/dev/full", "standard output"},
      {"ics --from-year 2025 --what holidays --output /dev/full", "/dev/full"}};
  for (const auto& [args, target] : writes) {
    const Result r = run(args);
    EXPECT_EQ(r.status, 1) << args;
    EXPECT_EQ(r.err, std::string("quendal-report: write error: ") + target + ": No space left on device\n") << args;
  }
}

// The names in a folder, sorted.
std::vector<std::string> entries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// ics --output whole or not at all. A write that fails midway (the shell's
// file-size limit, ulimit -f in blocks of 512 bytes, with SIGXFSZ ignored:
// write(2) fails with EFBIG beyond it), a folder that does not exist, one
// where not even root can make a file (/proc), one without write permission
// (unless the test runs as root, whom permissions do not stop): exit status
// 1, one line naming the file and the reason, the old file byte for byte and
// no other file beside it. Then a file replaced keeps its mode, a new one
// gets the umask's.
TEST(CliCommands, OutputFileWholeOrNotAtAll) {
  const std::string folder = clitest::directory() + "/output";
  ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
  const std::string old = "BEGIN:VCALENDAR\r\nX-OLD:1\r\nEND:VCALENDAR\r\n";
  const std::string oldfile = clitest::file("output/old.ics", old);
  const std::string ics = "ics --from-year 2000 --to-year 2150 --what holidays --output ";
  const std::string limited = "sh -c 'trap \"\" XFSZ; ulimit -f 16; exec \"$@\"' sh";
  const std::pair<std::string, std::string> failures[] = {
      {"output/old.ics", "output/old.ics: File too large"},
      {"output/missing/old.ics",
       "output/missing/old.ics: cannot create a new file in its folder: No such file or directory"},
      // /proc takes no new file, not even root's; others may not write the file.
      {"/proc/version", geteuid() == 0
                            ? "/proc/version: cannot create a new file in its folder: No such file or directory"
                            : "/proc/version: Permission denied"}};
  for (const auto& [target, message] : failures) {
    const std::string version = testsupport::readfile("/proc/version");
    const Result r = run(ics + target, target == "output/old.ics" ? limited : "");
    EXPECT_EQ(r.status, 1) << target;
    EXPECT_EQ(r.out, "") << target;
    EXPECT_EQ(r.err, "quendal-report: write error: " + message + "\n");
    EXPECT_EQ(testsupport::readfile(oldfile), old) << target;
    EXPECT_EQ(entries(folder), std::vector<std::string>{"old.ics"}) << target;
    EXPECT_EQ(testsupport::readfile("/proc/version"), version);
  }
  if (geteuid() != 0) {
    ASSERT_EQ(chmod(folder.c_str(), 0500), 0);
    const Result r = run(ics + "output/old.ics");
    ASSERT_EQ(chmod(folder.c_str(), 0700), 0);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(
        r.err,
        "quendal-report: write error: output/old.ics: cannot create a new file in its folder: Permission denied\n");
    EXPECT_EQ(testsupport::readfile(oldfile), old);
  }
  // Written: the text of standard output, the old file's mode, nothing else.
  ASSERT_EQ(chmod(oldfile.c_str(), 0604), 0);
  const std::string expected = run("ics --from-year 2025 --what holidays").out;
  ASSERT_NE(expected.find("BEGIN:VCALENDAR"), std::string::npos);
  EXPECT_EQ(run("ics --from-year 2025 --what holidays --output output/old.ics").status, 0);
  EXPECT_EQ(testsupport::readfile(oldfile), expected);
  struct stat st {};
  ASSERT_EQ(stat(oldfile.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0604u);
  EXPECT_EQ(
      run("ics --from-year 2025 --what holidays --output output/new.ics", "sh -c 'umask 027; exec \"$@\"' sh").status,
      0);
  ASSERT_EQ(stat((folder + "/new.ics").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(entries(folder), (std::vector<std::string>{"new.ics", "old.ics"}));
  std::filesystem::remove_all(folder);
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

// The lines of dayevents (the numbers themselves: astro_riseset_test):
// Vienna, 21 June 2024, the old lines first, then the zone and clock times.
TEST(CliCommands, DayEventsLines) {
  const std::string out = run("dayevents --date 2024-06-21 --lat 48.2 --lon 16.37 --zone 2 --event 0 --mode 21").out;
  std::string names;
  for (const std::string& line : lines(out)) names += line.substr(0, line.find(' ')) + ",";
  EXPECT_EQ(names, "status,rise,set,culmination,max_altitude,zone,rise_time,set_time,culmination_time,");
  for (const char* value : {"status 3\nrise 4.90", "\nset 20.97", "\nmax_altitude 65.2", "\nrise_time 04:54:0"})
    EXPECT_NE(out.find(value), std::string::npos) << value << "\n" << out;
  // Polar night at Tromsø.
  EXPECT_EQ(run("dayevents --date 2024-12-21 --lat 69.65 --lon 18.96 --zone 1 --event 0").out,
            "status 0\nrise none\nset none\nculmination none\nmax_altitude none\nzone +01:00\n"
            "rise_time none\nset_time none\nculmination_time none\n");
  // The individual twilight at -6 degrees is the civil one.
  EXPECT_EQ(run("dayevents --date 2024-03-01 --lat 48.2 --lon 16.37 --zone 1 --event -4 --altitude -6").out,
            run("dayevents --date 2024-03-01 --lat 48.2 --lon 16.37 --zone 1 --event -1").out);
}

// The phases of a month as the engine gives them; a year of apogees and
// perigees merged in time order, alternating (their laws: astro_lunar_events_test).
TEST(CliCommands, EventsInOrder) {
  EXPECT_EQ(run("events --what phases --from 2024-02-01 --to 2024-02-29").out,
            "2024-02-02T23:17:57Z,last\n2024-02-09T22:59:01Z,new\n"
            "2024-02-16T15:00:52Z,first\n2024-02-24T12:30:20Z,full\n");
  const std::vector<std::string> apsides = lines(run("events --what apsides --from 2024-01-01 --to 2024-12-31").out);
  EXPECT_GE(apsides.size(), 26u);
  for (std::size_t i = 1; i < apsides.size(); ++i) {
    EXPECT_LT(apsides[i - 1].substr(0, 20), apsides[i].substr(0, 20));
    EXPECT_NE(apsides[i - 1].substr(21, 6), apsides[i].substr(21, 6));
  }
}

TEST(CliCommands, PositionMatchesTheEngine) {
  using namespace quendal;
  const std::vector<std::string> got = lines(run("position --body saturn --date 2024-03-15 --time 21:30:15").out);
  ASSERT_EQ(got.size(), 14u);
  const double jdut = 2460384.5 + (21 * 3600 + 30 * 60 + 15) / 86400.0;
  const double jde = jdut + DeltaTForJD(jdut) / 86400.0;
  const ApparentPlace p = ReferenceBodyPosition(FrameAt({jdut, jde}), BodyCode::Saturn);
  const double v[14] = {
      jdut,         jde,           p.ra,        p.dec,      p.distance,       p.lambda,         p.beta,
      p.elongation, p.illuminated, p.magnitude, p.diameter, p.heliocentric.l, p.heliocentric.b, p.heliocentric.r};
  const std::string names[14] = {"jd_ut",
                                 "jde",
                                 "ra_hours",
                                 "dec_deg",
                                 "distance_au",
                                 "lambda_deg",
                                 "beta_deg",
                                 "elongation_deg",
                                 "illuminated_percent",
                                 "magnitude",
                                 "diameter_arcsec",
                                 "helio_l_deg",
                                 "helio_b_deg",
                                 "helio_r_au"};
  for (std::size_t i = 0; i < 14; ++i) {
    EXPECT_EQ(got[i].substr(0, got[i].find(' ')), names[i]);
    EXPECT_EQ(std::strtod(got[i].c_str() + names[i].size(), nullptr), v[i]) << names[i];
  }
  // Dynamical time; the calendar reform; the Sun without heliocentric lines.
  EXPECT_EQ(lines(run("position --body mars --date 2000-01-01 --time 12:00 --tt").out)[1], "jde 2451545");
  EXPECT_EQ(lines(run("position --body venus --date 1582-10-04 --time 00:00").out)[0], "jd_ut 2299159.5");
  EXPECT_EQ(lines(run("position --body venus --date 1582-10-15 --time 00:00").out)[0], "jd_ut 2299160.5");
  EXPECT_EQ(run("position --body venus --date 1500-02-29 --time 00:00").status, 0);  // a Julian leap year
  EXPECT_EQ(lines(run("position --body sun --date 2000-01-01 --time 12:00").out).size(), 11u);
}

}  // namespace

namespace quendal::cli {
namespace {

Options options(std::vector<std::string> args) { return Options("test", std::move(args)); }

// The message of the usage error f throws, or "" when it throws none.
template <typename F>
std::string refusalof(F f) {
  try {
    f();
  } catch (const UsageError& e) {
    return e.what();
  }
  return "";
}

TEST(CliOptions, ValuesFlagsAndLeftovers) {
  Options o = options({"--year", "-5", "--page=3", "--seconds", "--zone", "--tz", "x"});
  EXPECT_EQ(o.integer("year", 0), -5);  // a negative number is a value
  EXPECT_EQ(o.integer("page", 0, 0, 12), 3);
  EXPECT_TRUE(o.flag("seconds"));
  EXPECT_EQ(refusalof([&] { o.requiredtext("zone"); }), "--zone: needs a value");
  EXPECT_EQ(refusalof([&] { o.finish(); }),
            "--zone: not used with the other options given (see quendal-report test --help)");
  EXPECT_EQ(o.text("tz", ""), "x");
  EXPECT_EQ(refusalof([&] { options({"--a", "1", "--a", "2"}); }), "--a: given twice");
  EXPECT_EQ(refusalof([&] { options({"2024"}); }).rfind("'2024': unexpected argument", 0), 0u);
  Options range = options({"--page", "13", "--flag=1"});
  EXPECT_EQ(refusalof([&] { range.integer("page", 0, 0, 12); }), "--page: 13 is out of range (valid: 0..12)");
  EXPECT_EQ(refusalof([&] { range.flag("flag"); }), "--flag: takes no value ('1' given)");
  EXPECT_EQ(refusalof([&] { range.requiredinteger("year"); }), "--year: missing (see quendal-report test --help)");
  EXPECT_EQ(optionnames("x --date Y-M-D [--zone Z|auto] -- --- --half-zone, --a2"),
            (std::vector<std::string>{"date", "zone", "half-zone", "a2"}));
}

// The writer of --output through a stand-in for write(2) that takes
// `accepted` more bytes, at most `piece` at a time, and then fails with a
// full disk.
std::size_t accepted = 0, piece = 0;
ssize_t limitedwrite(int fd, const void* data, std::size_t size) {
  if (accepted == 0) {
    errno = ENOSPC;
    return -1;
  }
  const std::size_t n = std::min({size, accepted, piece});
  accepted -= n;
  return ::write(fd, data, n);
}

class OutputFile : public testsupport::TempDir {
 protected:
  // The message of the WriteError writing text to the file throws, "" for none.
  static std::string writing(const std::string& file, const std::string& text) {
    try {
      writefilewhole(file, text, limitedwrite);
    } catch (const WriteError& e) {
      return e.what();
    }
    return "";
  }
  std::vector<std::string> names() const { return entries(dir.string()); }
  static unsigned modeof(const std::string& file) {
    struct stat st {};
    return stat(file.c_str(), &st) == 0 ? st.st_mode & 0777 : 0;
  }
};

// A write that fails midway (a full disk): the old file stays byte for byte
// and keeps its mode, the new file is removed, the message names the file
// and the reason; so also for a file that was not there.
TEST_F(OutputFile, FailedWriteLeavesTheOldFile) {
  const std::string old = "BEGIN:VCALENDAR\r\nX-OLD:1\r\nEND:VCALENDAR\r\n";
  const std::string file = write("old.ics", old);
  ASSERT_EQ(chmod(file.c_str(), 0640), 0);
  std::string text;
  for (int i = 0; text.size() < 100000; ++i) text += "SUMMARY:" + std::to_string(i) + "\r\n";
  for (const std::size_t bytes : {std::size_t{0}, std::size_t{1000}, text.size() - 1}) {
    accepted = bytes, piece = 4096;
    EXPECT_EQ(writing(file, text), file + ": No space left on device") << bytes;
    EXPECT_EQ(testsupport::readfile(file), old) << bytes;
    EXPECT_EQ(modeof(file), 0640u);
    EXPECT_EQ(names(), std::vector<std::string>{"old.ics"}) << bytes;
  }
  accepted = 10, piece = 3;
  const std::string fresh = (dir / "new.ics").string();
  EXPECT_EQ(writing(fresh, text), fresh + ": No space left on device");
  EXPECT_EQ(names(), std::vector<std::string>{"old.ics"});
  // A file the user may not write (permissions do not stop root).
  if (geteuid() != 0) {
    ASSERT_EQ(chmod(file.c_str(), 0440), 0);
    accepted = text.size(), piece = text.size();
    EXPECT_EQ(writing(file, text), file + ": Permission denied");
    EXPECT_EQ(testsupport::readfile(file), old);
  }
}

// Writes that take a few bytes at a time still give the whole text; a
// replaced file keeps its mode, a new file gets 0666 less the umask; a
// symbolic link stays and the file it names gets the text; a device is
// written as it is.
TEST_F(OutputFile, WholeTextModesLinksAndDevices) {
  std::string text;
  for (int i = 0; i < 256 * 40; ++i) text += static_cast<char>(i * 7 % 256);
  const std::string file = write("old.ics", "old");
  ASSERT_EQ(chmod(file.c_str(), 0604), 0);
  accepted = text.size(), piece = 7;
  EXPECT_EQ(writing(file, text), "");
  EXPECT_EQ(testsupport::readfile(file), text);
  EXPECT_EQ(modeof(file), 0604u);
  for (const auto& [mask, mode] : {std::pair{0022u, 0644u}, {0077u, 0600u}}) {
    const mode_t saved = umask(mask);
    const std::string fresh = (dir / (mode == 0644u ? "new644" : "new600")).string();
    accepted = 5, piece = 5;
    EXPECT_EQ(writing(fresh, "fresh"), "");
    umask(saved);
    EXPECT_EQ(testsupport::readfile(fresh), "fresh");
    EXPECT_EQ(modeof(fresh), mode);
  }
  const std::string link = (dir / "link.ics").string();
  ASSERT_EQ(symlink("old.ics", link.c_str()), 0);
  accepted = 6, piece = 6;
  EXPECT_EQ(writing(link, "linked"), "");
  struct stat st {};
  ASSERT_EQ(lstat(link.c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(testsupport::readfile(file), "linked");
  EXPECT_EQ(names(), (std::vector<std::string>{"link.ics", "new600", "new644", "old.ics"}));

  // A FIFO with a reader (a device such as /dev/full: FailedWriteExitsWithOne).
  const std::string fifo = (dir / "fifo").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  accepted = 4, piece = 4;
  EXPECT_EQ(writing(fifo, "fifo"), "");
  char got[8] = {};
  EXPECT_EQ(read(reader, got, sizeof got), 4);
  close(reader);
  EXPECT_EQ(std::string(got), "fifo");
  ASSERT_EQ(lstat(fifo.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST(CliOptions, DatesAndTimes) {
  EXPECT_EQ(parsedate("d", "-44-3-15").year, -44);
  for (const char* bad : {"2024-3", "2024-03-15-1", "2024-+3-15", "2024-3-x", "", "2024--3-15"})
    EXPECT_NE(refusalof([&] { parsedate("d", bad); }), "") << bad;
  EXPECT_EQ(parsetime("t", "7:05:09").second, 9);
  for (const char* bad : {"12", "24:00", "12:60", "12:00:60", "1:2:3:4", "+1:00", "12:"})
    EXPECT_NE(refusalof([&] { parsetime("t", bad); }), "") << bad;
  EXPECT_EQ(refusalof([] {
              checkcalendardate("d", {1700, 2, 29}, 100, 9999);
            }),
            "--d: 1700-02-29 is not a date of the calendar (valid: dates of the years 100..9999)");
  EXPECT_EQ(refusalof([] { checkcalendardate("d", {1500, 2, 29}, 100, 9999); }), "");  // Julian leap year
}

// --date and --time of the instant-based reports, here with the moon
// report's years 1600..2400: the date and the time of day into the inputs,
// today and now (without its seconds) by default; a date out of the range or
// not of the calendar and a time with seconds refused, naming the option.
TEST(CliOptions, ReportDateAndTime) {
  struct Inputs {
    int year = -1, month = -1, day = -1, hour = -1, minute = -1;
  };
  GlobalOptions g;
  g.today = {2024, 3, 15};
  g.now = {10, 30, 45};
  const std::pair<std::vector<std::string>, std::vector<int>> cases[] = {
      {{}, {2024, 3, 15, 10, 30}},
      {{"--date", "1600-01-01", "--time", "0:00"}, {1600, 1, 1, 0, 0}},
      {{"--date=2400-12-31", "--time=23:59"}, {2400, 12, 31, 23, 59}},
      {{"--time", "7:05"}, {2024, 3, 15, 7, 5}},
      {{"--date", "2023-02-28"}, {2023, 2, 28, 10, 30}},
      {{"--date", "1599-12-31"}, {}},
      {{"--date", "2401-01-01"}, {}},
      {{"--date", "2023-02-29"}, {}},
      {{"--time", "7:05:01"}, {}},
  };
  for (const auto& [args, expected] : cases) {
    Options o = options(args);
    Inputs in;
    DateTimeOption t;
    const std::string message = refusalof([&] { t = datetimeoption(o, g, 1600, 2400, in); });
    const std::string what = args.empty() ? "(none)" : args.front() + " " + args.back();
    if (expected.empty()) {
      EXPECT_EQ(message.rfind(args.front() + ": ", 0), 0u) << what << ": " << message;
      continue;
    }
    ASSERT_EQ(message, "") << what;
    EXPECT_EQ((std::vector{in.year, in.month, in.day, in.hour, in.minute}), expected) << what;
    EXPECT_EQ((std::vector{t.date.year, t.date.month, t.date.day, t.time.hour, t.time.minute, t.time.second}),
              (std::vector{in.year, in.month, in.day, in.hour, in.minute, 0}))
        << what;
    EXPECT_NO_THROW(o.finish()) << what;
  }
}

// The rows of one kind of tests/data/cli_options.txt, as words.
std::vector<std::vector<std::string>> rows(const std::string& kind) {
  std::vector<std::vector<std::string>> all;
  std::istringstream in(testsupport::readfile(std::string(QUENDAL_SOURCE_DIR) + "/tests/data/cli_options.txt"));
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    std::vector<std::string> row;
    for (std::string w; words >> w;) row.push_back(w);
    if (!row.empty() && row[0] == kind) all.emplace_back(row.begin() + 1, row.end());
  }
  EXPECT_FALSE(all.empty()) << kind;
  return all;
}

TEST(CliOptions, Coordinates) {
  for (const auto& r : rows("coordinate")) {  // text, lat|lon, degrees minutes seconds positive or "refused"
    GeoPlace p;
    const bool latitude = r[1] == "lat";
    const std::string message =
        refusalof([&] { latitude ? parselatitude("lat", r[0], p) : parselongitude("lon", r[0], p); });
    if (r[2] == "refused") {
      EXPECT_NE(message, "") << r[0];
      continue;
    }
    ASSERT_EQ(message, "") << r[0];
    const std::vector<int> got = latitude
                                     ? std::vector{p.latitudedegrees, p.latitudeminutes, p.latitudeseconds, p.north}
                                     : std::vector{p.longitudedegrees, p.longitudeminutes, p.longitudeseconds, p.east};
    EXPECT_EQ(got, (std::vector{std::stoi(r[2]), std::stoi(r[3]), std::stoi(r[4]), std::stoi(r[5])})) << r[0];
  }
  const GeoPlace point = parsepoint("from", "-33.5,151:12E");
  EXPECT_EQ(point.north, 0);
  EXPECT_EQ(point.longitudeminutes, 12);
  EXPECT_NE(refusalof([] { parsepoint("from", "48.2"); }), "");
}

TEST(CliOptions, ConfiguredPlaces) {
  LocationTable places{};
  const char* const names[4] = {"Wien", "Wiener Neustadt", "Tromsø", "Ötztal"};
  for (std::size_t i = 0; i < 4; ++i) places[i].inuse = 1, places[i].name = names[i];
  EXPECT_EQ(findplace("place", "3", places), 3);
  EXPECT_EQ(findplace("place", "wien", places), 0);  // the exact name wins over the longer one
  EXPECT_EQ(findplace("place", "WIENER", places), 1);
  EXPECT_EQ(findplace("place", "TROMSØ", places), 2);
  EXPECT_EQ(findplace("place", "öTZ", places), 3);
  EXPECT_EQ(refusalof([&] {
              findplace("place", "Wi", places);
            }).rfind("--place: 'Wi' names several places: Wien, Wiener Neustadt", 0),
            0u);
  EXPECT_NE(refusalof([&] { findplace("place", "4", places); }), "");
  EXPECT_NE(refusalof([&] { findplace("place", "", places); }), "");
  EXPECT_NE(refusalof([&] { findplace("place", "Graz", places); }), "");
}

TEST(CliOptions, Zones) {
  const std::string supports[] = {"whole", "half", "auto", "any"};
  for (const auto& r : rows("zone")) {  // support, winter|summer, arguments, "=", zone half seconds or "refused"
    const auto equals = std::find(r.begin(), r.end(), "=");
    Options o = options(std::vector<std::string>(r.begin() + 2, equals));
    const auto support = static_cast<ZoneSupport>(std::find(supports, supports + 4, r[0]) - supports);
    const CivilDate date{2024, r[1] == "winter" ? 1 : 7, 15};
    ZoneOption z;
    const std::string message = refusalof([&] { z = zoneoption(o, support, date, {12, 0, 0}, 7); });
    const std::string args = r[0] + " " + r[1] + " " + (equals == r.begin() + 2 ? "" : r[2] + " " + *(equals - 1));
    if (*(equals + 1) == "refused") {
      EXPECT_NE(message, "") << args;
      continue;
    }
    ASSERT_EQ(message, "") << args;
    EXPECT_EQ(z.seconds, std::stoi(*(equals + 3))) << args;
    if (support != ZoneSupport::AnyOffset) {
      EXPECT_EQ(z.zone, std::stoi(*(equals + 1))) << args;
      EXPECT_EQ(z.half, std::stoi(*(equals + 2))) << args;
    }
  }
  EXPECT_EQ(offsettext(-12600), "-03:30");
  EXPECT_EQ(offsettext(3921), "+01:05:21");
}

TEST(CliOptions, TimeZoneDatabase) {
  // New York leaves summer time at 2:00 on 3 November 2024: 1:30 comes twice.
  EXPECT_EQ(zoneoffset("tz", "America/New_York", {2024, 11, 2}, {12, 0, 0}), -4 * 3600);
  EXPECT_EQ(zoneoffset("tz", "America/New_York", {2024, 11, 3}, {3, 0, 0}), -5 * 3600);
  EXPECT_NE(refusalof([] {
              zoneoffset("tz", "America/New_York", {2024, 11, 3}, {1, 30, 0});
            }).find("occurs twice"),
            std::string::npos);
  EXPECT_NE(refusalof([] {
              zoneoffset("tz", "America/New_York", {2024, 3, 10}, {2, 30, 0});
            }).find("does not exist"),
            std::string::npos);
  // Before 1893 Vienna kept its local mean time, 1:05:21 ahead of Greenwich;
  // a Julian date before the reform is the same day as its Gregorian twin.
  EXPECT_EQ(zoneoffset("tz", "Europe/Vienna", {1850, 6, 1}, {12, 0, 0}), 3921);
  EXPECT_EQ(zoneoffset("tz", "UTC", {1500, 2, 29}, {0, 0, 0}), 0);
}

}  // namespace
}  // namespace quendal::cli
