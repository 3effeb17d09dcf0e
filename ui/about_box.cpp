// The about box; see about_box.h.
#include "ui/about_box.h"

#include <QApplication>
#include <QCursor>
#include <QString>

#include "calendar/text.h"
#include "reports/about_report.h"
#include "ui/configuration_reading.h"
#include "ui/platform/platform.h"

namespace quendal {

namespace {

// The report names the platforms of the first release; this program names
// the platform it was built for and runs on instead.
std::string withplatformlines(std::string text, int language) {
  const bool german = language != english;
  const std::string start = german ? "\n\n 32Bit-Version für Windows" : "\n\n 32Bit-Version for Windows";
  const std::string last = german ? "\n Linux mit Emulator \"wine\" sollte funktionieren "
                                  : "\n Linux with Emulator \"wine\" should work ";
  const std::size_t from = text.find(start);
  const std::size_t to = text.find(last, from);
  if (from == std::string::npos || to == std::string::npos) return text;
  return text.replace(from, to + last.size() - from, platformlines(language));
}

}  // namespace

void showAboutBox(QWidget* owner, const ApplicationState& state) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const AboutInputs measured = measureperformance();
  QApplication::restoreOverrideCursor();
  const int language = state.language();
  const AboutBox box = buildaboutbox(measured, language);
  informationbox(owner, QString::fromStdString(box.title), QString::fromStdString(withplatformlines(box.text, language)));
}

}  // namespace quendal
