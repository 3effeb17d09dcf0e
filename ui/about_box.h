// The about box: features, release, credits, the platform the program was
// built for and runs on, and a performance test of the astronomy engine run
// each time the box opens.
#pragma once

#include "app/application_state.h"
#include "reports/about_report.h"

class QWidget;

namespace quendal {

void showAboutBox(QWidget* owner, const ApplicationState& state);

// The build (64-bit, Linux, x86_64, Qt 6.4) and the running system with its
// kernel and Qt versions: the platform lines of the about box and of the
// windows' help boxes.
AboutPlatform aboutplatform();

}  // namespace quendal
