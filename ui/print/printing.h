// Printing with the platform's dialogs: the printer dialog first, then for
// text the font dialog; the pages themselves are laid out by print_layout.h.
// Cancelling a dialog ends printing silently (false).
#pragma once

#include <QFont>
#include <QImage>
#include <QString>

#include "calendar/text.h"
#include "ui/print/print_layout.h"

class QPrinter;
class QWidget;

namespace quendal {

// The printer dialog owned by owner: one copy, collated copies offered, no
// choice of a selection or of pages. On Linux printing to a PDF file is one
// of its printers. False when it was cancelled.
bool chooseprinter(QWidget* owner, QPrinter& printer);

// The font the font dialog starts from: "Courier New", 16 units high at
// the screen's 96 units to the inch (12 points), normal weight (400),
// style name "STANDARD" when the system's language is German and "REGULAR"
// otherwise.
QFont presetprinterfont(bool germansystem);
// A font as the font dialog can show it: its family when installed, else
// the family the system puts in its place. For a fixed-pitch font (the
// TypeWriter hint, as "Courier New" has) that family only when the font
// database and the face agree that it is fixed pitch, else the system's
// fixed font, else the first installed family, that is fixed pitch. In the
// family its style of that name in any case, or else its style of the
// font's weight and slant ("Book" for "REGULAR" in some families).
QFont installedfont(const QFont& font);
// Whether the system's language (the user's language id, any German
// variant) is German.
bool germansystem(int userlanguage);

// Prints the source (a text field's lines or the calendar window's display
// list) as the job documentname: printer dialog, font dialog, pages. The
// copies the dialog asked for are made by the printing system when it can
// and printed one by one otherwise.
bool printText(QWidget* owner, const PrintSource& source, const QString& documentname, bool germansystem);

// Prints a graph window's image of a w x h window on one page, scaled and
// placed by bitmapplacement; without an image the buffer message.
bool printBitmap(QWidget* owner, const QImage& image, int w, int h, const QString& documentname, Language language);

// The message when there is no image to print.
void showbuffermessage(QWidget* owner, Language language);

}  // namespace quendal
