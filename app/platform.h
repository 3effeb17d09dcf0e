// The operating-system facts the engine's callers pass into the reports:
// the local date and time and the system's version and name.
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

}  // namespace quendal
