// The about box; see about_box.h.
#include "ui/about_box.h"

#include <QApplication>
#include <QCursor>
#include <QString>
#include <QSysInfo>

#include "calendar/text.h"
#include "reports/about_report.h"
#include "ui/configuration_reading.h"
#include "ui/platform/platform.h"

namespace quendal {

AboutPlatform aboutplatform() {
  AboutPlatform p;
  p.bits = QSysInfo::WordSize;
  p.system =
      QSysInfo::kernelType() == QLatin1String("linux") ? std::string("Linux") : QSysInfo::kernelType().toStdString();
  p.architecture = QSysInfo::buildCpuArchitecture().toStdString();
  p.toolkit = QStringLiteral("Qt %1.%2").arg(QT_VERSION_MAJOR).arg(QT_VERSION_MINOR).toStdString();
  p.runningon = QSysInfo::prettyProductName().toStdString();
  p.version =
      QStringLiteral("Kernel %1, Qt %2").arg(QSysInfo::kernelVersion(), QString::fromLatin1(qVersion())).toStdString();
  return p;
}

void showAboutBox(QWidget* owner, const ApplicationState& state) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  AboutInputs in = measureperformance();
  QApplication::restoreOverrideCursor();
  in.platform = aboutplatform();
  const AboutBox box = buildaboutbox(in, state.language());
  informationbox(owner, QString::fromStdString(box.title), QString::fromStdString(box.text));
}

}  // namespace quendal
