// The configuration as the dialogs read it; see configuration_reading.h.
#include "ui/configuration_reading.h"

namespace quendal {

int readconfiguration(ApplicationState& state) {
  const Configuration c = readConfiguration();
  state.storeconfiguration(c);
  return c.result;
}

int placesinuse(const ApplicationState& state) { return locationsinuse(state.configuration.locationTable); }

const LocationRecord& configuredplace(const ApplicationState& state, int index) {
  return state.configuration.locationTable[index >= 0 && index < locationtablesize ? index : 0];
}

}  // namespace quendal
