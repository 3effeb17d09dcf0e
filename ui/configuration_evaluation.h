// The configuration evaluation box: the configuration file read afresh, its
// personal dates with their distance from today, and the file read (or the
// files looked for), in a message box.
#pragma once

#include "app/application_state.h"

class QWidget;

namespace quendal {

void showConfigurationEvaluation(QWidget* owner, ApplicationState& state);

}  // namespace quendal
