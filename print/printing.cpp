// Printing with the platform's dialogs; see printing.h.
#include "print/printing.h"

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

QFont presetprinterfont(bool german) {
  QFont font(QStringLiteral("Courier New"), 16, QFont::Normal);
  font.setStyleHint(QFont::TypeWriter);
  font.setStyleName(german ? QStringLiteral("STANDARD") : QStringLiteral("REGULAR"));
  return font;
}

QFont installedfont(const QFont& font) {
  QFont plain = font;
  plain.setStyleName(QString());  // a style name no family has would not match
  if (!QFontDatabase::families().contains(plain.family())) plain.setFamily(QFontInfo(plain).family());
  const QString family = plain.family();
  const QStringList styles = QFontDatabase::styles(family);
  QFont installed = plain;
  for (const QString& style : styles)
    if (style.compare(font.styleName(), Qt::CaseInsensitive) == 0) {
      installed.setStyleName(style);
      return installed;
    }
  for (const QString& style : styles)
    if (QFontDatabase::weight(family, style) == font.weight() && !QFontDatabase::italic(family, style)) {
      installed.setStyleName(style);
      return installed;
    }
  return installed;
}

bool germansystem(int userlanguage) { return currentlanguage(1, 0, userlanguage) != english; }

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

bool printBitmap(QWidget* owner, const QImage& image, int w, int h, const QString& documentname, int language) {
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

void showbuffermessage(QWidget* owner, int language) {
  informationbox(owner, QStringLiteral(" Information"),
                 QString::fromUtf8(language != english
                                       ? "\n Drucken mangels \n Pufferspeicher nicht möglich!     \n\n"
                                       : "\n Printing not possible   \n due to insufficient Memory Puffer!     \n\n"));
}

}  // namespace quendal
