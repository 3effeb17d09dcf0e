// The configuration reader fed with hostile files, built with AddressSanitizer
// and UndefinedBehaviorSanitizer: no crash, no access out of bounds, and the
// tables within their limits after every read.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/configuration.h"
#include "configuration_invariants.h"
#include "support.h"

namespace quendal {
namespace {

using namespace std::string_literals;

struct Hostile {
  std::string name;
  std::string bytes;
};

std::string randombytes(std::mt19937& random, std::size_t n, int lowest = 0, int highest = 255) {
  std::uniform_int_distribution<int> byte(lowest, highest);
  std::string s(n, '\0');
  for (char& c : s) c = static_cast<char>(byte(random));
  return s;
}

std::string repeat(const std::string& part, std::size_t times) {
  std::string s;
  for (std::size_t i = 0; i < times; ++i) s += part;
  return s;
}

std::vector<Hostile> corpus() {
  std::mt19937 random(65540);
  std::vector<Hostile> c;
  for (std::size_t n : {1u, 2u, 15u, 16u, 17u, 100u, 4096u, 65539u, 65540u, 65541u, 200000u})
    c.push_back({"random " + std::to_string(n), randombytes(random, n)});
  // Random text from the characters the line shapes care about.
  const std::string alphabet = "0123456789 -+.NSnsEeOoWwAaDd;:,\t\r\n\xC3\xB6\xF6\x80";
  for (int k = 0; k < 20; ++k) {
    std::string s;
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (int i = 0; i < 3000; ++i) s += alphabet[pick(random)];
    c.push_back({"shaped random " + std::to_string(k), s});
  }
  c.push_back({"NUL bytes", std::string(65540, '\0')});
  c.push_back({"NUL in lines", "48 N 12\0  015E 37 \0name\n2024-01-01\0text\n"s});
  c.push_back(
      {"invalid UTF-8", "48 N 12   015E 37 \xC3\n2024-01-01 \xE2\x82\n\xF0\x9F\x98\n\xED\xA0\x80\xC0\xAF\xFF\xFE\n"});
  c.push_back({"truncated sequence at the end", "48 N 12   015E 37 Pl\xC3\xB6tz \xF0\x9F"});
  c.push_back({"byte-order mark only", "\xEF\xBB\xBF"});
  c.push_back({"exactly 65540 bytes", repeat("48 N 12   015E 37 Sankt Pölten (Austria)\r\n", 2000).substr(0, 65540)});
  c.push_back({"65541 bytes", std::string(65541, 'x')});
  c.push_back({"60000-character line", std::string(60000, 'W')});
  c.push_back({"60000-character UTF-8 line", repeat("ö", 30000)});
  c.push_back({"60000-character date line", "2024-01-01 " + repeat("ä", 27000)});
  c.push_back({"only CRs", std::string(65540, '\r')});
  c.push_back({"only LFs", std::string(65540, '\n')});
  c.push_back({"CR LF pairs", repeat("\r\n", 32770)});
  c.push_back({"a line of 200 places", repeat("48 N 12   015E 37 Sankt Pölten (Austria) ", 200)});
  c.push_back({"200 place lines", repeat("48 S 59   179W 59 " + repeat("ß", 60) + "\n", 200)});
  c.push_back({"200 date lines", repeat("2024-02-29 " + std::string(100, '\t') + "x\n", 200)});
  c.push_back({"extreme numbers",
               "99 N 99  9999E 99 a\n-9 S -9 -999W -9 b\n+9 n +9 +999w +9 c\n"
               "99 N 99 99999E 99 d\n9999-99-99 e\n-999-+9--9 f\n+9999+12+31 g\n"});
  c.push_back({"letters in number columns", "ö N öö  öööE öö x\n\xF6\xF6 N \xF6\xF6  \xF6\xF6\xF6W \xF6\xF6\n"});
  c.push_back({"four-byte characters", repeat("\xF0\x9F\x8C\x8D N 12   015E 37 \xF0\x9F\x8C\x8D\n", 40)});
  c.push_back({"control characters", "48 N 12   015E 37 \x01\x02\x1B[31m red \x7F\xC2\x85\n"});
  c.push_back({"short lines", "A\nA \nE\nD \n1\n12\n123456789\n1234567890\n48 N 12   015E \n"});
  return c;
}

// The size and place limits themselves: app_configuration_test.
class HostileFiles : public testsupport::TempDir {};

TEST_F(HostileFiles, ReaderKeepsTheTablesWithinTheirLimits) {
  for (const Hostile& h : corpus()) {
    const Configuration fromcontent = readConfigurationContent(h.bytes);
    EXPECT_EQ(configurationfault(fromcontent), "") << h.name;
    EXPECT_EQ(fromcontent.result, h.bytes.size() > 65540 ? -1 : 1) << h.name;

    const Configuration fromfile = readConfigurationFile(write("QUENDAL6.INI", h.bytes));
    EXPECT_EQ(fromfile.result, fromcontent.result) << h.name;
    EXPECT_EQ(configurationfault(fromfile), "") << h.name;
  }
}

}  // namespace
}  // namespace quendal
