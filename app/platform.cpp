// Operating-system facts; see platform.h.
#include "app/platform.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/utsname.h>
#endif

namespace quendal {

LocalDateTime localdatetime() {
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
#ifdef _WIN32
  localtime_s(&tm, &now);
#else
  localtime_r(&now, &tm);
#endif
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::string osreleasename(const char* path) {
  std::ifstream in(path);
  std::string line, pretty, name;
  while (std::getline(in, line)) {
    auto value = [&](const char* key) -> std::string {
      const std::string k(key);
      if (line.compare(0, k.size(), k) != 0) return {};
      std::string v = line.substr(k.size());
      if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
      return v;
    };
    if (pretty.empty()) pretty = value("PRETTY_NAME=");
    if (name.empty()) name = value("NAME=");
  }
  return pretty.empty() ? name : pretty;
}

SystemVersion systemversion() {
  SystemVersion v;
#ifdef _WIN32
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
#pragma warning(suppress : 4996)
  if (GetVersionExA(&info)) {
    v.major = static_cast<int>(info.dwMajorVersion);
    v.minor = static_cast<int>(info.dwMinorVersion);
  }
  v.windows = true;
#else
  utsname u{};
  if (uname(&u) == 0) {
    if (std::sscanf(u.release, "%d.%d", &v.major, &v.minor) < 2) v.minor = 0;
    v.name = u.sysname;
  }
  std::string pretty = osreleasename("/etc/os-release");
  if (pretty.empty()) pretty = osreleasename("/usr/lib/os-release");
  if (!pretty.empty()) v.name = pretty;
#endif
  return v;
}

int languageidfromlocale(const char* locale) {
  if (locale == nullptr) return 1033;
  struct Entry {
    const char* prefix;
    int id;
  };
  static const Entry entries[] = {{"de_DE", 1031}, {"de_AT", 3079}, {"de_CH", 2055}, {"de_LI", 5127}, {"de_LU", 4103}};
  for (const Entry& e : entries)
    if (std::strncmp(locale, e.prefix, 5) == 0 && (locale[5] == '\0' || locale[5] == '.' || locale[5] == '@'))
      return e.id;
  return 1033;
}

int userdefaultlanguage() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* v = std::getenv(name);
    if (v != nullptr && *v != '\0') return languageidfromlocale(v);
  }
  return languageidfromlocale(nullptr);
}

}  // namespace quendal
