// The platform operations of the desktop program on Qt: the local clock, the
// user's language, the running system, the web browser, message boxes with
// the information icon, dialog units, the report fonts and the icons; the
// texts in both languages and the labels several windows share. Nothing here
// knows a report or a dialog.
#pragma once

#include <QFont>
#include <QIcon>
#include <QSize>
#include <QString>

#include "app/platform.h"
#include "calendar/text.h"

class QWidget;

namespace quendal {

// ---- Clock --------------------------------------------------------------------

// The local date and time. QUENDAL_NOW=YYYY-MM-DDTHH:MM in the environment
// fixes it (tests, screenshots); otherwise the system clock.
LocalDateTime localnow();
// The same instant in UTC (QUENDAL_NOW is read as local time).
LocalDateTime utcnow();

// ---- Language and system --------------------------------------------------------

// The user's language as a locale id (1031 de_DE, 3079 de_AT, 2055 de_CH,
// 5127 de_LI, 4103 de_LU, otherwise 1033), from the system locale.
int userlanguageid();

// Qt's own texts (the standard buttons of dialogs and message boxes, the
// file, print and font dialogs) in the language: Qt's German translation
// (qtbase_de from Qt's translations directory) for German and Austrian
// German, none for English. Called again whenever the language switches;
// false when the translation the language needs is not installed (Debian:
// qt6-translations-l10n), and Qt's texts stay English.
bool useqttranslation(Language language);

// Opens a web address in the default browser.
void openwebaddress(const char* address);

// ---- Texts in both languages ------------------------------------------------------

// The text in the language (German for Austrian German too).
inline QString inlanguage(const Bilingual& text, Language language) { return QString::fromUtf8(text.in(language)); }

// The labels of the commands that several windows and dialogs offer.
namespace labels {
inline constexpr Bilingual print{"Drucken...", "Print..."};
inline constexpr Bilingual help{"Hilfe...", "Help..."};            // a window's help box, in its context menu
inline constexpr Bilingual helpbutton{"Hilfe - F1", "Help - F1"};  // the same as a button of the window
inline constexpr Bilingual icalendar{"iCalendar exportieren...", "Export iCalendar..."};
}  // namespace labels

// ---- Message boxes and dialog geometry ----------------------------------------

// A modal message box with the information icon and an OK button; the text
// is plain text, its lines separated by "\n" (or "\r\n").
void informationbox(QWidget* owner, const QString& title, const QString& text);

// The screen size assumed where no screen is known (pixels).
inline constexpr QSize fallbackscreensize(1024, 768);

// Pixels of a size in dialog units of a font: a horizontal unit is a quarter
// of the font's average character width, a vertical unit an eighth of its
// height.
QSize dialogunits(const QFont& font, int width, int height);

// ---- Report fonts ----------------------------------------------------------------

enum class ReportFont {
  userinterface,       // the platform's default user-interface font
  systemproportional,  // the proportional system font (the user-interface family, bold)
  ansifixed,           // a fixed-pitch font of its own (another family or a smaller size)
  systemfixed,         // the system's fixed-pitch font
};
QFont reportfont(ReportFont which);

// The font of a report field: linuxFontToggle 1 gives the user-interface
// font; otherwise fixedFontToggle 1 the ANSI fixed font (the user-interface
// font for a proportional page), 0 the system fixed font (the proportional
// system font for a proportional page).
ReportFont reportfontchoice(int fixedFontToggle, int linuxFontToggle, bool proportional = false);

// ---- Icons ---------------------------------------------------------------------

// The icon of resources/icons/NAME.svg ("quendal" the program's, "today",
// "calendar", "easter", "moon", ...), rendered at the usual sizes.
QIcon programicon(const char* name);

}  // namespace quendal
