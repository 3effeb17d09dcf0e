// The about box: features, release, credits, the platform the program was
// built for and runs on, and a performance test of the astronomy engine run
// each time the box opens.
#pragma once

#include "app/application_state.h"

class QWidget;

namespace quendal {

void showAboutBox(QWidget* owner, const ApplicationState& state);

}  // namespace quendal
