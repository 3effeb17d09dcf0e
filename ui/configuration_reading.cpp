// The configuration as the dialogs read it; see configuration_reading.h.
#include "ui/configuration_reading.h"

#include "app/configuration.h"

namespace quendal {

int loadconfiguration(ApplicationState& state) {
  const Configuration c = readConfiguration();
  state.storeconfiguration(c);
  return c.result;
}

}  // namespace quendal
