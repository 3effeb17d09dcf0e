// The about box: the program's features, release, credits and platforms, and
// a short performance test of the astronomy engine (apparent places and moon
// phases per second).
//
// The text is a pure function of the two measurements and the platform;
// measuring is separate and reads a clock given by the caller, so that tests
// can drive it.
#pragma once

#include <string>

#include "calendar/text.h"

namespace quendal {

// One timed run: how many computations took how many milliseconds.
struct PerformanceMeasurement {
  int count = 0;
  int milliseconds = 0;
};

// The platform the program was built for and runs on.
struct AboutPlatform {
  int bits = 64;             // of the program
  std::string system;        // "Linux"
  std::string architecture;  // "x86_64"
  std::string toolkit;       // "Qt 6.4" for the desktop program, "" for the command line
  std::string runningon;     // the system's own name, "Debian GNU/Linux 12 (bookworm)"
  std::string version;       // "Kernel 6.1.0-18-amd64, Qt 6.4.2"
};

struct AboutInputs {
  PerformanceMeasurement ephemerides;
  PerformanceMeasurement moonphases;
  AboutPlatform platform;
};

struct AboutBox {
  std::string title;  // "Quendal and More" in both languages
  std::string text;   // message-box text, lines separated by "\n"
};

AboutBox buildaboutbox(const AboutInputs& in, Language language);

// The platform lines of the about box and the windows' help boxes:
// "\n\n 64-Bit-Version für Linux (x86_64), Qt 6.4 \n läuft auf ... " and the
// version in parentheses on a line of its own.
std::string platformlines(const AboutPlatform& platform, Language language);

// ---- The performance test ------------------------------------------------------

// Wall-clock milliseconds of the day (hour x 3,600,000 + minute x 60,000 +
// second x 1000 + millisecond).
using MillisecondClock = int (*)();

// The local clock (the default clock of the about box).
int localmillisecondsofday();

// Elapsed milliseconds from start to end of the day clock; a smaller end
// value means the clock passed midnight (86,400,000 is added to it).
int elapsedmilliseconds(int start, int end);

// Apparent places: from JD 2454883.0, 10 passes over the bodies 1..9 except
// the Earth (BodyPosition, then HorizontalFromEquatorial for 1.071 h local
// sidereal time and latitude 48.133 degrees), the JD advancing 100 days per
// pass. Under 100 ms the test is repeated with 50 passes of 20 days, and that
// second run is the result.
PerformanceMeasurement measureephemerides(MillisecondClock clock);

// Moon phases: 20 passes over the lunations 0..69 and the four quarters
// (LunarPhase); under 100 ms repeated with 100 passes, and that run is the result.
PerformanceMeasurement measuremoonphases(MillisecondClock clock);

// Both measurements with the clock.
AboutInputs measureperformance(MillisecondClock clock = localmillisecondsofday);

}  // namespace quendal
