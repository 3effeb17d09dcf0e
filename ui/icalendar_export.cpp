// The iCalendar export command; see icalendar_export.h.
#include "ui/icalendar_export.h"

#include <QDir>
#include <QFileDialog>
#include <QSaveFile>

#include "calendar/text.h"
#include "reports/icalendar.h"
#include "ui/platform/platform.h"

namespace quendal {

namespace {

constexpr Bilingual filefilter{"iCalendar (*.ics);;Alle Dateien (*)", "iCalendar (*.ics);;All Files (*)"};
constexpr Bilingual notwritten{"\n Die Datei konnte nicht geschrieben werden:\n %1\n %2     \n\n",
                               "\n The File could not be written:\n %1\n %2     \n\n"};
constexpr int ellipsis = 3;  // the characters of the "..." that end the command's label

}  // namespace

QString icalendarcommandlabel(Language language) { return inlanguage(labels::icalendar, language); }

bool exporticalendar(const ApplicationState& state, int year, const QString& file, QString& error) {
  IcalendarInputs in;
  in.firstyear = year;
  in.lastyear = year;
  in.content = icalendarholidays;
  if (year >= icalendareventfirst && year <= icalendareventlast) in.content = icalendareverything;
  const LocalDateTime now = utcnow();
  in.stamp = {now.year, now.month, now.day, now.hour, now.minute, now.second};
  const std::string text = icalendar(calendarentries(in, state.language()), in.stamp);

  // Written whole or not at all: a file that is there stays as it was until
  // everything is written and flushed (commit renames the new one over it).
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly)) {
    error = out.errorString();
    return false;
  }
  // A write may take only part of the text (a full disk); the next one then
  // fails and gives the reason, which a commit after it would not.
  const char* data = text.data();
  auto left = static_cast<qint64>(text.size());
  while (left > 0) {
    const qint64 n = out.write(data, left);
    if (n <= 0) break;
    data += n;
    left -= n;
  }
  if (left == 0 && out.flush() && out.commit()) return true;
  error = out.errorString();
  out.cancelWriting();
  return false;
}

void exporticalendarcommand(QWidget* owner, const ApplicationState& state, int year) {
  const Language lang = state.language();
  if (year < icalendarholidayfirst || year > icalendarholidaylast) return;
  const QString proposed = QDir::current().filePath(QStringLiteral("quendal-%1.ics").arg(year));
  const QString file = QFileDialog::getSaveFileName(owner, icalendarcommandlabel(lang).chopped(ellipsis), proposed,
                                                    inlanguage(filefilter, lang));
  if (file.isEmpty()) return;
  QString error;
  if (exporticalendar(state, year, file, error)) return;
  informationbox(owner, QStringLiteral(" Information"),
                 inlanguage(notwritten, lang).arg(QDir::toNativeSeparators(file), error));
}

}  // namespace quendal
