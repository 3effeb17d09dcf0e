// The hand-over between the application state and the engine; see engine_seam.h.
#include "ui/engine_seam.h"

#include "app/startup.h"
#include "calendar/text.h"

namespace quendal {

void handovertoengine(const ApplicationState& state) {
  languagemode = state.languagemode;
  languageoverride = state.languageoverride;
  setuserdefaultlanguage(state.userlanguage);
  zodiacEnabled = state.zodiacEnabled;
  printingEnabled = state.printingEnabled;
}

void takebackfromengine(ApplicationState& state) { state.languagemode = languagemode; }

int uilanguage(const ApplicationState& state) {
  handovertoengine(state);
  return currentlanguage();
}

int readconfiguration(ApplicationState& state) {
  handovertoengine(state);
  const int result = readConfiguration();
  state.languageoverride = languageoverride;
  return result;
}

int placesinuse(const ApplicationState&) { return locationsinuse(); }

const LocationRecord& configuredplace(const ApplicationState&, int index) {
  return locationTable[index >= 0 && index < locationtablesize ? index : 0];
}

const PersonalDate& personaldate(const ApplicationState&, int index) {
  return personalDateTable[index >= 0 && index < personaldatetablesize ? index : 0];
}

}  // namespace quendal
