// What the engine and the reports need of the program's state between calls:
// the language state, the configuration file as last read and the start-up
// switches. The engine keeps no state of its own; the desktop program keeps
// one ApplicationState in its DesktopState (ui/desktop_state.h) beside its
// own models, the command line one per run. Members are named as the
// program's texts name them.
#pragma once

#include "app/configuration.h"
#include "calendar/text.h"

namespace quendal {

// What the start-up loop shows (the numbers are the program's own).
enum class AppMode {
  maindialog = 0,          // the main dialog
  calendarfrommain = 1,    // the calendar window, then the main dialog again
  calendaronly = 2,        // the calendar window only (CAL, KAL)
  equationoftimeonly = 4,  // the equation-of-time graph only (BIO)
};

struct ApplicationState {
  // Language: languagemode automatic or forced; languageoverride 0 or the
  // configuration file's choice (3079, 1031, 2000); userlanguage the user's
  // default language id, taken at start-up.
  LanguageMode languagemode = LanguageMode::automatic;
  int languageoverride = 0;
  int userlanguage = 1033;

  // The language the three values above give.
  Language language() const { return currentlanguage(languagemode, languageoverride, userlanguage); }
  // The language toggle of the commands and keys.
  void togglelanguage() { languagemode = quendal::togglelanguage(languagemode, languageoverride, userlanguage); }

  // The configuration file as last read (readConfiguration), re-read at every
  // use.
  Configuration configuration;
  // Keeps a reading: a language line of the file sets languageoverride;
  // nothing clears it.
  void storeconfiguration(const Configuration& c) {
    configuration = c;
    if (c.languageoverride != 0) languageoverride = c.languageoverride;
  }
  // The configured places as last read: the number in use (1..32), and the
  // entry of an index (the first for an index outside the table).
  int placesinuse() const { return locationsinuse(configuration.locationTable); }
  const LocationRecord& configuredplace(int index) const {
    return configuration.locationTable[index >= 0 && index < locationtablesize ? index : 0];
  }

  AppMode appMode = AppMode::maindialog;
  bool printingEnabled = true;
  bool zodiacEnabled = true;
};

}  // namespace quendal
