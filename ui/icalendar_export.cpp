// The iCalendar export command; see icalendar_export.h.
#include "ui/icalendar_export.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>

#include "calendar/text.h"
#include "reports/icalendar.h"
#include "ui/platform/platform.h"

namespace quendal {

QString icalendarcommandlabel(Language language) {
  return language == english ? QStringLiteral("Export iCalendar...") : QStringLiteral("iCalendar exportieren...");
}

bool exporticalendar(const ApplicationState& state, int year, const QString& file, QString& error) {
  IcalendarInputs in;
  in.firstyear = year;
  in.lastyear = year;
  in.content = icalendarholidays;
  if (year >= icalendareventfirst && year <= icalendareventlast) in.content = icalendareverything;
  const LocalDateTime now = utcnow();
  in.stamp = {now.year, now.month, now.day, now.hour, now.minute, now.second};
  const std::string text = icalendar(calendarentries(in, state.language()), in.stamp);

  QFile out(file);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      out.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) || !out.flush()) {
    error = out.errorString();
    return false;
  }
  out.close();
  if (out.error() != QFileDevice::NoError) {
    error = out.errorString();
    return false;
  }
  return true;
}

void exporticalendarcommand(QWidget* owner, const ApplicationState& state, int year) {
  const Language lang = state.language();
  const bool german = lang != english;
  if (year < icalendarholidayfirst || year > icalendarholidaylast) return;
  const QString proposed = QDir::current().filePath(QStringLiteral("quendal-%1.ics").arg(year));
  const QString file = QFileDialog::getSaveFileName(owner, icalendarcommandlabel(lang).chopped(3), proposed,
                                                    german ? QStringLiteral("iCalendar (*.ics);;Alle Dateien (*)")
                                                           : QStringLiteral("iCalendar (*.ics);;All Files (*)"));
  if (file.isEmpty()) return;
  QString error;
  if (exporticalendar(state, year, file, error)) return;
  informationbox(owner, QStringLiteral(" Information"),
                 (german ? QStringLiteral("\n Die Datei konnte nicht geschrieben werden:\n %1\n %2     \n\n")
                         : QStringLiteral("\n The File could not be written:\n %1\n %2     \n\n"))
                     .arg(QDir::toNativeSeparators(file), error));
}

}  // namespace quendal
