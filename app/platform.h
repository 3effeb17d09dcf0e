// The operating-system facts the engine's callers pass into the reports:
// the local date and time, the system's version and name, and the user's
// default language.
#pragma once

#include <string>

namespace quendal {

struct LocalDateTime {
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0;
};

// The local date and time of the platform clock.
LocalDateTime localdatetime();

struct SystemVersion {
  int major = 0;
  int minor = 0;
  bool windows = false;  // the product names of the Windows table apply
  std::string name;      // the system's own name where it is not Windows
};

// Version numbers of the running system (on Linux the kernel release, e.g.
// 6.1) and its name (PRETTY_NAME of /etc/os-release).
SystemVersion systemversion();

// The system's name in an os-release file: PRETTY_NAME, else NAME, without
// enclosing quotes; "" when the file has neither or cannot be read.
std::string osreleasename(const char* path);

// The user's default language id (Windows locale id numbering), from the
// environment (LC_ALL, then LC_MESSAGES, then LANG): de_DE 1031, de_AT 3079,
// de_CH 2055, de_LI 5127, de_LU 4103, anything else 1033.
int userdefaultlanguage();
// Locale id of a POSIX locale name such as "de_AT.UTF-8" (1033 for nullptr).
int languageidfromlocale(const char* locale);

}  // namespace quendal
