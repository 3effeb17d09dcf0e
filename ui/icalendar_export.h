// "iCalendar exportieren..." / "Export iCalendar...": the holidays of a
// year, and for 1800..2200 its moon phases, season beginnings and eclipses,
// as an iCalendar file (reports/icalendar.h) that calendar programs import.
#pragma once

#include <QString>

#include "app/application_state.h"

class QWidget;

namespace quendal {

// The label of the command in the language.
QString icalendarcommandlabel(Language language);

// Writes the year's calendar to file, in the language of the state, with
// DTSTAMP from the program's clock in UTC, whole or not at all (QSaveFile):
// a file already there keeps its content until the new one is complete.
// False with the system's reason in error when the file could not be
// written; the old file is then left as it was.
bool exporticalendar(const ApplicationState& state, int year, const QString& file, QString& error);

// The command: the save-file dialog (proposing quendal-YEAR.ics), the
// file, a message box when it could not be written.
void exporticalendarcommand(QWidget* owner, const ApplicationState& state, int year);

}  // namespace quendal
