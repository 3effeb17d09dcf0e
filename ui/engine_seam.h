// Where the desktop program meets the engine's process-wide values. The
// program keeps its shared state in one ApplicationState; the engine still
// reads a few values of its own (the language, the configured places, the
// zodiac switch). These functions hand the state over before a report runs
// and take back what a report changed, so that the dialogs never touch those
// values themselves.
#pragma once

#include "app/application_state.h"
#include "app/configuration.h"

namespace quendal {

// The language of the texts (0 English, 1 German, 2 Austrian German) for the
// state's languagemode, languageoverride and user language.
int uilanguage(const ApplicationState& state);

// Reads QUENDAL6.INI (QUENDAL5.INI) from the working directory: the places,
// the personal dates and the language line (into state.languageoverride).
// 1 read, 0 no file, -1 too large.
int readconfiguration(ApplicationState& state);

// The configured places as last read: the number in use (1..32) and one entry.
int placesinuse(const ApplicationState& state);
const LocationRecord& configuredplace(const ApplicationState& state, int index);
// The personal dates as last read, entry 0..11.
const PersonalDate& personaldate(const ApplicationState& state, int index);

// Before a report runs: the state's switches the report reads.
void handovertoengine(const ApplicationState& state);
// After the main report: a language switch it made (page 66).
void takebackfromengine(ApplicationState& state);

}  // namespace quendal
