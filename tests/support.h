// What the tests share: text search, golden texts and reference tables read
// from files, a temporary directory, angle helpers.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace testsupport {

inline bool contains(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }
inline bool startswith(const std::string& s, const std::string& head) { return s.rfind(head, 0) == 0; }
inline bool endswith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}
inline int countof(const std::string& s, const std::string& what) {
  int n = 0;
  for (std::size_t i = s.find(what); i != std::string::npos; i = s.find(what, i + 1)) ++n;
  return n;
}

// The text with its CR LF line ends as LF.
inline std::string lf(std::string s) {
  for (std::size_t i = s.find("\r\n"); i != std::string::npos; i = s.find("\r\n", i)) s.erase(i, 1);
  return s;
}

inline std::string readfile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in.good()) << path;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// A golden text, byte for byte: tests/golden/NAME (written by hand from the
// reports' format strings).
inline std::string golden(const std::string& name) {
  return readfile(std::string(QUENDAL_SOURCE_DIR) + "/tests/golden/" + name);
}

// A piece of text with \n, \r, \t, \\ and \xHH for their bytes.
inline std::string unescape(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '\\' || i + 1 == s.size()) {
      out += s[i];
    } else if (s[++i] == 'x') {
      out += static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      out += s[i] == 'n' ? '\n' : s[i] == 'r' ? '\r' : s[i] == 't' ? '\t' : s[i];
    }
  }
  return out;
}

// Checks text against the expected pieces of one case in tests/golden/NAME,
// written by hand from the format strings: rows of the case's name, a tab,
// + (contained), - (absent), ^ (at the beginning) or $ (at the end), a tab,
// and the piece (escaped as for unescape).
inline void expectpieces(const std::string& text, const std::string& name, const std::string& key) {
  std::istringstream in(golden(name));
  int found = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind(key + "\t", 0) != 0) continue;
    ++found;
    const char how = line[key.size() + 1];
    const std::string piece = unescape(line.substr(key.size() + 3));
    const std::size_t at =
        how == '$' ? (text.size() >= piece.size() ? text.size() - piece.size() : std::string::npos) : text.find(piece);
    const bool ok = how == '-'
                        ? at == std::string::npos
                        : at != std::string::npos && (how == '+' || text.compare(at, piece.size(), piece) == 0) &&
                              (how != '^' || at == 0);
    EXPECT_TRUE(ok) << key << " " << how << " \"" << piece << "\"\nin:\n" << text;
  }
  EXPECT_GT(found, 0) << key;
}

// The names of the cases of tests/golden/NAME, each once, in order.
inline std::vector<std::string> piececases(const std::string& name) {
  std::istringstream in(golden(name));
  std::vector<std::string> cases;
  for (std::string line; std::getline(in, line);)
    if (!line.empty() && line[0] != '#' && (cases.empty() || line.rfind(cases.back() + "\t", 0) != 0))
      cases.push_back(line.substr(0, line.find('\t')));
  return cases;
}

// The rows of a reference table tests/data/NAME (made by a script in tools/
// from an independent library): numbers separated by blanks; lines starting
// with '#' are comments. With kind >= 0 only the rows whose first number is
// kind, without it.
inline std::vector<std::vector<double>> table(const std::string& name, int kind = -1) {
  std::istringstream in(readfile(std::string(QUENDAL_SOURCE_DIR) + "/tests/data/" + name));
  std::vector<std::vector<double>> rows;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::vector<double> row;
    for (double x; fields >> x;) row.push_back(x);
    if (kind >= 0 && (row.empty() || row[0] != kind)) continue;
    if (kind >= 0) row.erase(row.begin());
    rows.push_back(row);
  }
  EXPECT_FALSE(rows.empty()) << name;
  return rows;
}

// A fresh directory per test, removed afterwards.
class TempDir : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "quendal-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir = pattern;
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
  // Writes the bytes to the file NAME of the directory; its path.
  std::string write(const std::string& name, const std::string& bytes) {
    const std::filesystem::path p = dir / name;
    std::ofstream(p, std::ios::binary) << bytes;
    return p.string();
  }
  std::filesystem::path dir;
};

// Angles in degrees (right ascensions in hours).
constexpr double pi = 3.14159265358979323846;
inline double rad(double degrees) { return degrees * pi / 180.0; }
// The difference a - b wrapped to -180..180.
inline double wrap(double a, double b = 0.0) { return std::remainder(a - b, 360.0); }
// Angular distance of two equatorial places (hours, degrees), in degrees.
inline double separation(double ra1, double dec1, double ra2, double dec2) {
  const double c = std::sin(rad(dec1)) * std::sin(rad(dec2)) +
                   std::cos(rad(dec1)) * std::cos(rad(dec2)) * std::cos(rad(15.0 * (ra1 - ra2)));
  return std::acos(c > 1.0 ? 1.0 : c) * 180.0 / pi;
}

}  // namespace testsupport
