// Printing with the platform's dialogs; see printing.h.
#include "ui/print/printing.h"

#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QPrintDialog>
#include <QPrinter>

#include "calendar/text.h"
#include "ui/platform/platform.h"

namespace quendal {

bool chooseprinter(QWidget* owner, QPrinter& printer) {
  printer.setCopyCount(1);
  QPrintDialog dialog(&printer, owner);
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintCollateCopies |
                    QAbstractPrintDialog::PrintShowPageSize);
  return dialog.exec() == QDialog::Accepted;
}

namespace {

// The font the font dialog starts from is 16 units high, in the logical
// units of the screen (96 to the inch): 12 points.
constexpr int presetheight = 16;
constexpr int logicalunitsperinch = 96;
constexpr int pointsperinch = 72;
constexpr int presetpointsize = presetheight * pointsperinch / logicalunitsperinch;

constexpr Bilingual buffermessage{"\n Drucken mangels \n Pufferspeicher nicht möglich!     \n\n",
                                  "\n Printing not possible   \n due to insufficient Memory Puffer!     \n\n"};

}  // namespace

QFont presetprinterfont(bool german) {
  QFont font(QStringLiteral("Courier New"), presetpointsize, QFont::Normal);
  font.setStyleHint(QFont::TypeWriter);
  font.setStyleName(german ? QStringLiteral("STANDARD") : QStringLiteral("REGULAR"));
  return font;
}

namespace {

// The font in the family: its style of the font's style name (in any case),
// or else its upright style of the font's weight, or else no style name.
// (QFontDatabase::italic() is false for an oblique style such as DejaVu
// Sans Mono's "Oblique"; the style's font tells.)
QFont infamily(const QFont& font, const QString& family) {
  QFont installed = font;
  installed.setFamily(family);
  installed.setStyleName(QString());  // a style name no family has would not match
  const QStringList styles = QFontDatabase::styles(family);
  for (const QString& style : styles)
    if (style.compare(font.styleName(), Qt::CaseInsensitive) == 0) {
      installed.setStyleName(style);
      return installed;
    }
  for (const QString& style : styles)
    if (QFontDatabase::weight(family, style) == font.weight() &&
        QFontDatabase::font(family, style, font.pointSize()).style() == QFont::StyleNormal) {
      installed.setStyleName(style);
      return installed;
    }
  return installed;
}

// Whether the font database calls the font fixed pitch and the face the
// system gives for it is of the font's family and fixed pitch too. The two
// can differ: the database calls the generic "Monospace" fixed pitch
// whatever face fontconfig puts in its place.
bool fixedpitch(const QFont& font) {
  if (!QFontDatabase::isFixedPitch(font.family(), font.styleName())) return false;
  const QFontInfo info(font);
  return info.fixedPitch() && info.family() == font.family();
}

}  // namespace

QFont installedfont(const QFont& font) {
  if (QFontDatabase::families().contains(font.family())) return infamily(font, font.family());
  QFont plain = font;
  plain.setStyleName(QString());
  const QFont substitute = infamily(font, QFontInfo(plain).family());
  if (font.styleHint() != QFont::TypeWriter || fixedpitch(substitute)) return substitute;
  // Fontconfig's substitute need not be fixed pitch (it calls Noto Sans
  // Mono proportional, for its double-width glyphs): then the first
  // fixed-pitch one of the system's fixed font and the installed families.
  QStringList families = QFontDatabase::families();
  families.prepend(QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family());
  for (const QString& family : families) {
    const QFont other = infamily(font, family);
    if (fixedpitch(other)) return other;
  }
  return substitute;  // no fixed-pitch font installed
}

bool germansystem(int userlanguage) { return currentlanguage(LanguageMode::automatic, 0, userlanguage) != english; }

bool printText(QWidget* owner, const PrintSource& source, const QString& documentname, bool german) {
  QPrinter printer(QPrinter::HighResolution);
  if (!chooseprinter(owner, printer)) return false;
  bool chosen = false;
  const QFont font = QFontDialog::getFont(&chosen, installedfont(presetprinterfont(german)), owner);
  if (!chosen) return false;
  const int copies = printer.supportsMultipleCopies() ? 1 : printer.copyCount();
  // The dialog also offers a range of pages; it is honoured.
  const bool range = printer.printRange() == QPrinter::PageRange;
  return printlines(printer, font, source, documentname, copies, printer.collateCopies(),
                    range ? printer.fromPage() : 0, range ? printer.toPage() : 0);
}

bool printBitmap(QWidget* owner, const QImage& image, int w, int h, const QString& documentname, Language language) {
  if (image.isNull()) {
    showbuffermessage(owner, language);
    return false;
  }
  QPrinter printer(QPrinter::HighResolution);
  if (!chooseprinter(owner, printer)) return false;
  bool copied = true;
  const bool printed = printimage(printer, image, w, h, documentname, copied);
  if (!copied) showbuffermessage(owner, language);
  return printed;
}

void showbuffermessage(QWidget* owner, Language language) {
  informationbox(owner, QStringLiteral(" Information"), inlanguage(buffermessage, language));
}

}  // namespace quendal
