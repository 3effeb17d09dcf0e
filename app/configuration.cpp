// The configuration file reader; see configuration.h.
#include "app/configuration.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "calendar/calendar.h"
#include "calendar/encoding.h"

namespace quendal {

namespace {

// The file names, looked up in this order in each directory.
const char* const configurationfiles[] = {"QUENDAL6.INI", "QUENDAL5.INI"};

// Examined characters of a date text (from column 12) and a place name (from
// column 19).
constexpr std::size_t datetextexamined = 60;
constexpr std::size_t placenameexamined = 55;

void setdefaultplace(LocationRecord& r) {
  r.latitudedegrees = 48;
  r.latitudeminutes = 12;
  r.longitudedegrees = 15;
  r.longitudeminutes = 37;
  r.north = 1;
  r.east = 1;
  r.inuse = 1;
  r.name = "Sankt Pölten (Austria)";
}

// ---- Characters -------------------------------------------------------------

// Control characters (tab among them) count as blanks in texts and names.
bool iscontrol(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

char32_t upper(char32_t c) { return (c >= U'a' && c <= U'z') ? c - U'a' + U'A' : c; }

// The text of a line from column first (0-based): at most `examined`
// characters are looked at, leading blanks skipped, at most 39 characters
// kept, trailing blanks removed.
std::string linetext(std::u32string_view line, std::size_t first, std::size_t examined) {
  if (first >= line.size()) return std::string();
  std::u32string_view part = line.substr(first, examined);
  std::size_t i = 0;
  while (i < part.size() && (part[i] == U' ' || iscontrol(part[i]))) ++i;
  part = part.substr(i, configurationnamelength);
  std::u32string kept(part);
  for (char32_t& c : kept)
    if (iscontrol(c)) c = U' ';
  while (!kept.empty() && kept.back() == U' ') kept.pop_back();
  return utf32toutf8(kept);
}

// The decimal number of a fixed-width field: leading blanks and a sign
// allowed, reading stops at the first other character, no digits read as 0.
int fieldnumber(std::u32string_view line, std::size_t first, std::size_t width) {
  std::size_t i = first;
  const std::size_t end = std::min(first + width, line.size());
  while (i < end && (line[i] == U' ' || line[i] == U'\t')) ++i;
  bool negative = false;
  if (i < end && (line[i] == U'+' || line[i] == U'-')) {
    negative = line[i] == U'-';
    ++i;
  }
  int value = 0;
  for (; i < end && line[i] >= U'0' && line[i] <= U'9'; ++i) value = value * 10 + static_cast<int>(line[i] - U'0');
  return negative ? -value : value;
}

char32_t at(std::u32string_view line, std::size_t i) { return i < line.size() ? line[i] : U'\0'; }

bool islongitudeletter(char32_t c) {
  c = upper(c);
  return c == U'E' || c == U'O' || c == U'W';
}

// ---- The three kinds of line ------------------------------------------------

struct ReadState {
  Configuration& configuration;
  int dates = 0;
  int places = 0;
};

void languageline(std::u32string_view line, int& languageoverride) {
  if (line.size() < 2 || line[1] != U' ') return;
  switch (upper(line[0])) {
    case U'A':
      languageoverride = 3079;
      break;
    case U'D':
      languageoverride = 1031;
      break;
    case U'E':
      languageoverride = 2000;
      break;
    default:
      break;
  }
}

void dateline(std::u32string_view line, ReadState& state) {
  if (state.dates >= personaldatetablesize || line.size() < 10) return;
  const int year = fieldnumber(line, 0, 4);
  const int month = fieldnumber(line, 5, 2);
  const int day = fieldnumber(line, 8, 2);
  if (year < 1601 || year > 9998 || dayofweek(day, month, year) <= 0) return;
  PersonalDate& d = state.configuration.personalDateTable[static_cast<std::size_t>(state.dates++)];
  d.day = day;
  d.month = month;
  d.year = year;
  d.text = linetext(line, 11, datetextexamined);
}

void placeline(std::u32string_view line, ReadState& state) {
  if (state.places >= locationtablesize || line.size() < 16) return;
  if (line[0] == U';' || line[0] == U':' || line[0] == U',') return;

  LocationRecord r;
  bool latitude = false, longitude = false;
  const char32_t ns = upper(line[3]);
  if (ns == U'N' || ns == U'S') {
    r.latitudedegrees = std::clamp(fieldnumber(line, 0, 2), 0, 90);
    r.latitudeminutes = std::clamp(fieldnumber(line, 5, 2), 0, 59);
    r.north = ns == U'N' ? 1 : 0;
    latitude = true;
  }
  // Two layouts of the longitude; the second (one column further right) wins.
  for (const std::size_t letter : {std::size_t{13}, std::size_t{14}}) {
    const char32_t ew = at(line, letter);
    if (!islongitudeletter(ew)) continue;
    r.longitudedegrees = std::clamp(fieldnumber(line, letter - 4, 4), 0, 180);
    r.longitudeminutes = std::clamp(fieldnumber(line, letter + 2, 2), 0, 59);
    r.east = upper(ew) == U'W' ? 0 : 1;
    longitude = true;
  }
  // A place needs both coordinates: a line that only happens to carry
  // longitude letters in both columns is no place.
  if (!latitude || !longitude) return;

  if (r.latitudedegrees == 90) r.latitudeminutes = 0;
  if (r.longitudedegrees == 180) r.longitudeminutes = 0;
  if (r.latitudedegrees == 0 && r.latitudeminutes == 0 && r.longitudedegrees == 0 && r.longitudeminutes == 0)
    r.longitudeminutes = 1;
  r.name = linetext(line, 18, placenameexamined);
  r.inuse = 1;
  state.configuration.locationTable[static_cast<std::size_t>(state.places++)] = r;
}

void parse(std::string_view bytes, Configuration& configuration) {
  static constexpr std::string_view bom = "\xEF\xBB\xBF";
  if (bytes.substr(0, bom.size()) == bom) bytes.remove_prefix(bom.size());
  const std::u32string text = utf8toutf32(isvalidutf8(bytes) ? std::string(bytes) : cp1252toutf8(bytes));
  const std::u32string_view all(text);

  // Every CR and every LF ends a line.
  ReadState state{configuration};
  std::size_t start = 0;
  for (std::size_t i = 0; i <= all.size(); ++i) {
    if (i < all.size() && all[i] != U'\r' && all[i] != U'\n') continue;
    const std::u32string_view line = all.substr(start, i - start);
    languageline(line, configuration.languageoverride);
    dateline(line, state);
    placeline(line, state);
    start = i + 1;
  }
}

// Reads a whole file of at most configurationmaxbytes bytes: 1 read, 0 not
// opened or not readable, -1 too large. Only a regular file is opened: a
// FIFO (whose opening waits for a writer) or a device never is.
int loadfile(const char* path, std::string& bytes) {
  struct stat st {};
  if (stat(path, &st) != 0 || !S_ISREG(st.st_mode)) return 0;
  const int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return 0;
  std::FILE* f = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) ? fdopen(fd, "rb") : nullptr;
  if (f == nullptr) {
    close(fd);
    return 0;
  }
  bytes.assign(configurationmaxbytes + 1, '\0');
  std::size_t n = 0;
  while (n < bytes.size()) {
    const std::size_t got = std::fread(bytes.data() + n, 1, bytes.size() - n, f);
    if (got == 0) break;
    n += got;
  }
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (n > configurationmaxbytes) return -1;
  if (failed) return 0;  // a directory, a device that refuses reading, ...
  bytes.resize(n);
  return 1;
}

}  // namespace

LocationTable presetlocationtable() {
  LocationTable table{};
  setdefaultplace(table[0]);
  return table;
}

Configuration readConfigurationContent(std::string_view bytes) {
  Configuration c;
  c.result = bytes.size() > configurationmaxbytes ? -1 : 1;
  if (c.result == 1) parse(bytes, c);
  return c;
}

Configuration readConfigurationFile(const std::string& path) {
  Configuration c;
  std::string bytes;
  c.result = loadfile(path.c_str(), bytes);
  if (c.result != 0) c.path = path;
  if (c.result == 1) parse(bytes, c);
  return c;
}

Configuration readConfiguration(const std::vector<std::string>& files) {
  for (const std::string& file : files) {
    Configuration c = readConfigurationFile(file);
    if (c.result != 0) return c;
  }
  return Configuration{};
}

Configuration readConfiguration() { return readConfiguration(configurationcandidates()); }

std::vector<std::string> configurationcandidates() {
  std::vector<std::string> files(std::begin(configurationfiles), std::end(configurationfiles));
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  std::string directory;
  if (xdg != nullptr && xdg[0] == '/')
    directory = xdg;
  else if (home != nullptr && home[0] != '\0')
    directory = std::string(home) + "/.config";
  if (!directory.empty())
    for (const char* name : configurationfiles) files.push_back(directory + "/quendal/" + name);
  return files;
}

int locationsinuse(const LocationTable& table) {
  int n = 0;
  while (n < locationtablesize && table[static_cast<std::size_t>(n)].inuse) ++n;
  return n;
}

}  // namespace quendal
