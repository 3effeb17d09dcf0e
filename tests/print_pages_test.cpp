// The printed pages through a QPrinter writing PDF (no dialogs), read back
// with poppler: pdftotext for the lines of each page, pdftoppm for colours
// and the place of an image; the layout arithmetic on its own; the print
// preview through its widgets (offscreen): the text it starts from, Return
// and Ctrl+M, "Drucken..." printing the edited field and staying open,
// "Abbruch" ending it, an emptied preview printing nothing (no file); the
// font dialog's preset, also under font sets of its own (CMakeLists.txt).
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "calendar/holidays.h"
#include "calendar/text.h"
#include "reports/calendar_display.h"
#include "ui/platform/platform.h"
#include "ui/print/print_layout.h"
#include "ui/print/print_preview_dialog.h"
#include "ui/print/printing.h"

using namespace quendal;

namespace {

// A PDF printer without margins: resolution in pixels per inch, page in
// pixels of that resolution.
std::unique_ptr<QPrinter> pdfprinter(const QString& file, int resolution, int width, int height) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(file);
  printer->setResolution(resolution);
  printer->setFullPage(true);
  const QSizeF inches(double(width) / resolution, double(height) / resolution);
  printer->setPageLayout(QPageLayout(QPageSize(inches, QPageSize::Inch, QString(), QPageSize::ExactMatch),
                                     QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
  return printer;
}

QFont monospace(int points) {
  QFont font(QStringLiteral("DejaVu Sans Mono"), points);
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

QString run(const char* program, const QString& arguments) {
  QProcess p;
  p.start(QString::fromLatin1(program), arguments.split(QLatin1Char(' ')));
  if (!p.waitForFinished(60000) || p.exitCode() != 0) return QStringLiteral("<%1 failed>").arg(QLatin1String(program));
  return QString::fromUtf8(p.readAllStandardOutput());
}

// The non-blank lines of each page of a PDF.
QList<QStringList> pdfpages(const QString& file) {
  QList<QStringList> pages;
  for (const QString& page : run(PDFTOTEXT_EXE, QStringLiteral("-layout %1 -").arg(file)).split(QLatin1Char('\f'))) {
    QStringList lines;
    for (const QString& line : page.split(QLatin1Char('\n')))
      if (!line.trimmed().isEmpty()) lines << line.trimmed();
    pages << lines;
  }
  if (!pages.isEmpty() && pages.last().isEmpty()) pages.removeLast();  // after the last form feed
  return pages;
}

// The first page of a PDF as an image at dpi pixels per inch.
QImage pdfimage(const QString& file, int dpi, const QString& prefix) {
  run(PDFTOPPM_EXE, QStringLiteral("-r %1 -f 1 -l 1 -singlefile -png %2 %3").arg(dpi).arg(file, prefix));
  return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

PrintSource numberedlines(int count) {
  QStringList lines;
  for (int i = 1; i <= count; ++i) lines << QStringLiteral("Zeile %1").arg(i, 3, 10, QLatin1Char('0'));
  return textsource(lines.join(QLatin1Char('\n')));
}

}  // namespace

class PrintPagesTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir directory_;
  QString path(const char* name) const { return directory_.filePath(QString::fromLatin1(name)); }
  static ApplicationState state(LanguageMode languagemode) {
    ApplicationState s;
    s.userlanguage = 1033;
    s.languagemode = languagemode;
    return s;
  }
  // The preview of the last report, in the report font the program starts with.
  static QString lastreport() { return QString::fromUtf8("\r\n Ostersonntag 2024\r\n 31. März\r\n"); }
  static QFont startfont() { return reportfont(reportfontchoice(1, 0)); }

 private slots:
  // Line height, characters per line, lines per page and pages, in pixels.
  void layoutArithmetic() {
    const QList<int> cases[] = {
        // width, height, line height, average width, lines -> characters per line, lines per page, pages
        {4800, 4550, 100, 50, 100, 96, 45, 3},
        {4800, 4500, 100, 50, 90, 96, 45, 2},
        {4800, 4599, 100, 60, 91, 80, 45, 3},
        {4800, 6600, 100, 50, 0, 96, 66, 0},
        {4760, 6814, 170, 100, 39, 47, 40, 1}};
    for (const QList<int>& c : cases) {
      const TextLayout t = textlayout(c[0], c[1], c[2], c[3], c[4]);
      QCOMPARE((QList<int>{t.lineheight, t.charactersperline, t.linesperpage, t.pages}),
               (QList<int>{c[2], c[5], c[6], c[7]}));
    }
  }

  // 100 lines on pages of 45 lines: 45, 45 and 10, copies of them, a range
  // of pages; the PDF read back page by page (first and last line, lines).
  void hundredLinesOnPagesOfFortyFive_data() {
    QTest::addColumn<QList<int>>("firstlines");  // copies, collated, then the first line of each page
    QTest::newRow("one copy") << QList<int>{1, 1, 1, 46, 91};
    QTest::newRow("two collated") << QList<int>{2, 1, 1, 46, 91, 1, 46, 91};
    QTest::newRow("two uncollated") << QList<int>{2, 0, 1, 1, 46, 46, 91, 91};
    QTest::newRow("pages 2 to 3, two collated") << QList<int>{2, 1, 46, 91, 46, 91};
  }
  void hundredLinesOnPagesOfFortyFive() {
    QFETCH(QList<int>, firstlines);
    const int copies = firstlines.takeFirst(), collated = firstlines.takeFirst();
    const int frompage = firstlines.first() == 1 ? 0 : 2;
    const QFont font = monospace(10);
    const int lineheight = QFontMetrics(printerfont(font, 72), pdfprinter(QString(), 72, 612, 792).get()).lineSpacing();
    const QString file = path("hundred.pdf");
    auto printer = pdfprinter(file, 72, 612, 45 * lineheight + lineheight / 2);
    QVERIFY(printlines(*printer, font, numberedlines(100), QStringLiteral("Quendal"), copies, collated, frompage));
    const QList<QStringList> pages = pdfpages(file);
    QCOMPARE(pages.size(), firstlines.size());
    for (int i = 0; i < pages.size(); ++i) {
      const int first = firstlines[i];
      QCOMPARE(pages[i].size(), first == 91 ? 10 : 45);
      QCOMPARE(pages[i].first(), QStringLiteral("Zeile %1").arg(first, 3, 10, QLatin1Char('0')));
      QCOMPARE(pages[i].last(),
               QStringLiteral("Zeile %1").arg(first == 91 ? 100 : first + 44, 3, 10, QLatin1Char('0')));
    }
  }

  // A line longer than the page is cut at the characters that fit (counted
  // as characters: the umlauts are two bytes each), not wrapped.
  void longLineIsCut() {
    const QFont font = monospace(10);
    const QString file = path("long.pdf");
    auto printer = pdfprinter(file, 72, 300, 200);
    const QFontMetrics metrics(printerfont(font, 72), printer.get());
    const int fit = 300 / metrics.averageCharWidth();
    QVERIFY(fit > 10 && fit < 60);
    const QString line = QStringLiteral("äöü0123456").repeated(20);
    QVERIFY(
        printlines(*printer, font, textsource(QStringLiteral("kurz\n") + line), QStringLiteral("Quendal"), 1, true));
    const QList<QStringList> pages = pdfpages(file);
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages[0], (QStringList{QStringLiteral("kurz"), line.left(fit)}));
  }

  // The four-month view: every day cell printed in its own colour, read
  // back from the rendered PDF (the darkest pixel of the cell's box is the
  // cell's colour), the title green, the header's Sunday red.
  void fourMonthViewPrintsEachCellInItsColour() {
    constexpr int dpi = 144;
    HolidayTable holidays{};
    EventTable events{};
    int stale = 1;
    refreshcalendartables(2024, fourmonthview, german, holidays, events, stale);
    const PrintSource source = displaysource(
        buildcalendardisplay({.year = 2024, .month = 3, .view = fourmonthview}, holidays, events, german));
    QCOMPARE(int(source.lines.size()), displayprintlines);

    const QFont font = monospace(12);
    const QString file = path("fourmonths.pdf");
    auto printer = pdfprinter(file, dpi, 8 * dpi, 12 * dpi);
    QVERIFY(printlines(*printer, font, source, QStringLiteral("Calendar"), 1, true));
    const QFontMetrics metrics(printerfont(font, dpi), printer.get());
    const TextLayout layout = textlayout(printer->width(), printer->height(), metrics.lineSpacing(),
                                         metrics.averageCharWidth(), displayprintlines);
    QCOMPARE(layout.pages, 1);
    const QImage page = pdfimage(file, dpi, path("fourmonths"));
    QVERIFY(!page.isNull());

    // The darkest pixel of a box.
    auto darkest = [&page](const QRect& box) {
      QColor best(255, 255, 255);
      for (int y = std::max(0, box.top()); y <= std::min(page.height() - 1, box.bottom()); ++y)
        for (int x = std::max(0, box.left()); x <= std::min(page.width() - 1, box.right()); ++x) {
          const QColor c = page.pixelColor(x, y);
          if (c.red() + c.green() + c.blue() < best.red() + best.green() + best.blue()) best = c;
        }
      return best;
    };
    auto near = [](const QColor& a, const Rgb& b) {
      return std::abs(a.red() - b.red) <= 40 && std::abs(a.green() - b.green) <= 40 &&
             std::abs(a.blue() - b.blue) <= 40;
    };

    QSet<int> colours;
    int cells = 0;
    for (int n = 0; n < displayprintlines; ++n) {
      const DisplayLine& line = source.lines[std::size_t(n)];
      const int y = n * layout.lineheight;
      if (line.colour != celllinecolour) {
        if (line.colour == titlecolour)
          QVERIFY(near(darkest(QRect(0, y, page.width(), layout.lineheight)), displayrgb(titlecolour)));
        continue;
      }
      const std::vector<std::string> pieces = displaycells(line);
      int x = 0;
      for (std::size_t c = 0; c < pieces.size(); ++c) {
        const QString piece = QString::fromStdString(pieces[c]);
        const int w = metrics.horizontalAdvance(piece);
        if (!piece.trimmed().isEmpty()) {
          QVERIFY2(near(darkest(QRect(x, y, w, layout.lineheight)), displayrgb(line.cells[c])),
                   qPrintable(QStringLiteral("line %1 cell %2 \"%3\"").arg(n).arg(c).arg(piece)));
          colours.insert(line.cells[c]);
          if (c > 0) ++cells;
        }
        x += w;
      }
    }
    QVERIFY(cells >= 4 * 28 + 4);  // every day of March to June plus the header cells
    QVERIFY(colours.contains(sundaycolour) && colours.contains(saturdaycolour));
    QVERIFY(colours.contains(blackcolour) || colours.contains(2));
  }

  // The graph window's image where the page's height limits the scale (the
  // width limits it on the sheet below): 805 x 602 pixels on 4800 x 3000 are
  // scaled by 5, centred horizontally and placed a quarter of the centring
  // offset down.
  void bitmapPlacement() {
    const BitmapPlacement b = bitmapplacement(4800, 3000, 805, 602);
    QCOMPARE(b.scale, 5.0);
    QCOMPARE(b.source, QRect(0, 0, 800, 600));
    QCOMPARE(b.target, QRect(2400 - 2012, (1500 - 1505) / 4, 4025, 3010));
  }

  // Through a PDF of 4800 x 6600 pixels (8 x 11 inches at 600 per inch),
  // scaled by 6 (4800 / 800 against 6600 / 600), rendered at a tenth: the
  // blue image from row 37 to 398, across the whole width (it is 15 pixels
  // wider than the page on either side).
  void bitmapOnTheSheet() {
    const QString file = path("image.pdf");
    auto printer = pdfprinter(file, 600, 4800, 6600);
    QCOMPARE(QSize(printer->width(), printer->height()), QSize(4800, 6600));
    QImage image(805, 602, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 255));
    bool copied = false;
    QVERIFY(printimage(*printer, image, 805, 602, QStringLiteral("EquationofTime"), copied));
    QVERIFY(copied);
    const QImage page = pdfimage(file, 60, path("image"));
    QCOMPARE(page.size(), QSize(480, 660));
    int top = -1, bottom = -1, left = page.width(), right = -1;
    for (int y = 0; y < page.height(); ++y)
      for (int x = 0; x < page.width(); ++x)
        if (page.pixelColor(x, y).blue() > 200 && page.pixelColor(x, y).red() < 60) {
          if (top < 0) top = y;
          bottom = y;
          left = std::min(left, x);
          right = std::max(right, x);
        }
    QVERIFY2(std::abs(top - 37) <= 1 && std::abs(bottom - 398) <= 1,
             qPrintable(QStringLiteral("%1..%2").arg(top).arg(bottom)));
    QCOMPARE((QList<int>{left, right}), (QList<int>{0, 479}));
  }

  // No image: nothing copied, the page stays white.
  void noImageIsNotCopied() {
    auto printer = pdfprinter(path("none.pdf"), 72, 612, 792);
    bool copied = true;
    QVERIFY(printimage(*printer, QImage(), 805, 602, QStringLiteral("PlanetPositions"), copied));
    QVERIFY(!copied);
  }

  // The font dialog's preset: 16 units high in the screen's logical units
  // (96 to the inch), that is 12 points.
  void presetFont() {
    for (bool german : {true, false}) {
      const QFont f = presetprinterfont(german);
      QCOMPARE((QStringList{f.family(), QString::number(f.pointSize()), QString::number(f.weight()), f.styleName()}),
               (QStringList{"Courier New", "12", QString::number(QFont::Normal), german ? "STANDARD" : "REGULAR"}));
      QCOMPARE(printerfont(f, 96).pixelSize(), 16);
    }
    // The dialog starts from an installed face: "Courier New", else the
    // family the system puts in its place when that is fixed pitch, else the
    // system's fixed font, else the first installed fixed-pitch family.
    // Fixed pitch by the font database and by the face alike, whenever the
    // machine has such a face at all.
    const QFont installed = installedfont(presetprinterfont(false));
    const QStringList families = QFontDatabase::families();
    QVERIFY(families.contains(installed.family()));
    QVERIFY(QFontDatabase::styles(installed.family()).contains(installed.styleName()));
    const QFontInfo info(installed);
    const bool fixedinstalled = std::any_of(families.begin(), families.end(), [](const QString& family) {
      const QFontInfo resolved{QFont(family)};
      return QFontDatabase::isFixedPitch(family) && resolved.fixedPitch() && resolved.family() == family;
    });
    if (fixedinstalled) {
      QVERIFY2(QFontDatabase::isFixedPitch(installed.family(), installed.styleName()), qPrintable(installed.family()));
      QVERIFY2(info.fixedPitch(), qPrintable(installed.family()));
      QCOMPARE(info.family(), installed.family());
    }
    // Upright and of normal weight by the face and by the database (which
    // alone tells an oblique style from an upright one).
    const QFont face = QFontDatabase::font(installed.family(), installed.styleName(), 12);
    QCOMPARE((QList<int>{installed.pointSize(), info.style(), info.weight(), face.style(), face.weight()}),
             (QList<int>{12, QFont::StyleNormal, QFont::Normal, QFont::StyleNormal, QFont::Normal}));

    // The font sets this test also runs under (CMakeLists.txt writes their
    // fonts.conf files, named by the set, and passes one as FONTCONFIG_FILE):
    // the families that prove the set in effect, fontconfig's face for
    // "Courier New", the system's fixed font and the preset's family and style.
    struct FontSet {
      QString name;
      QStringList present, missing;
      QString substitute, fixedfont, family, style;
    };
    const QList<FontSet> sets = {
        {"dejavu",
         {"DejaVu Sans Mono"},
         {"Liberation Mono", "Noto Sans Mono", "Nimbus Mono PS"},
         "DejaVu Sans Mono",
         "DejaVu Sans Mono",
         "DejaVu Sans Mono",
         "Book"},
        // Liberation Mono has the metrics of Courier New.
        {"desktop",
         {"DejaVu Sans Mono", "Liberation Mono", "Noto Sans Mono", "Nimbus Mono PS"},
         {},
         "Liberation Mono",
         "Noto Sans Mono",
         "Liberation Mono",
         "Regular"},
        // Fontconfig calls Noto Sans Mono, the first monospace face it
        // prefers, proportional.
        {"fresh",
         {"DejaVu Sans Mono", "Noto Sans Mono", "Nimbus Mono PS"},
         {"Liberation Mono"},
         "Noto Sans Mono",
         "Noto Sans Mono",
         "DejaVu Sans Mono",
         "Book"},
        // "Courier New" set to a proportional face, monospace to Liberation Mono.
        {"proportional",
         {"DejaVu Sans Mono", "DejaVu Serif", "Liberation Mono"},
         {"Noto Sans Mono", "Nimbus Mono PS"},
         "DejaVu Serif",
         "Liberation Mono",
         "Liberation Mono",
         "Regular"},
    };
    const QString name = QFileInfo(qEnvironmentVariable("FONTCONFIG_FILE")).completeBaseName();
    for (const FontSet& set : sets) {
      if (set.name != name) continue;
      for (const QString& family : set.present) QVERIFY2(families.contains(family), qPrintable(family));
      for (const QString& family : set.missing + QStringList{"Courier New"})
        QVERIFY2(!families.contains(family), qPrintable(family));
      QFont courier = presetprinterfont(false);
      courier.setStyleName(QString());
      const QString substitute = QFontInfo(courier).family();
      const QString fixedfont = QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family();
      QCOMPARE((QStringList{substitute, fixedfont, installed.family(), installed.styleName()}),
               (QStringList{set.substitute, set.fixedfont, set.family, set.style}));
    }
  }

  // The print preview through its widgets.
  void startsFromTheReportBuffer_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("labels");  // caption, buttons
    QTest::newRow("German") << -1 << QStringList{"Druckvorschau", "Abbruch", "Drucken...", "Hilfe"};
    QTest::newRow("English") << 0 << QStringList{"Print Preview", "Cancel", "Print...", "Help"};
  }
  void startsFromTheReportBuffer() {
    QFETCH(int, mode);
    QFETCH(QStringList, labels);
    ApplicationState s = state(static_cast<LanguageMode>(mode));
    PrintPreviewDialog dialog(s, lastreport(), startfont());
    QCOMPARE(dialog.field()->toPlainText(), QStringLiteral("\n\n Ostersonntag 2024\n 31. März\n"));
    QCOMPARE(dialog.windowTitle(), labels[0]);
    const char* const keys[] = {"cancel", "print", "help"};
    for (int i = 1; i < 4; ++i) QCOMPARE(dialog.findChild<QPushButton*>(keys[i - 1])->text(), labels[i]);
    QVERIFY(!dialog.field()->isReadOnly());
  }

  // Return does not break the line (and ends nothing); Ctrl+M does.
  // "Drucken..." prints the field as edited, as "Quendal", and the dialog
  // stays open; "Abbruch" ends it.
  void editAndPrint() {
    ApplicationState s = state(LanguageMode::german);
    PrintPreviewDialog dialog(s, lastreport(), startfont());
    dialog.show();
    PreviewField* field = dialog.field();
    field->setPlainText(QStringLiteral("ab"));
    field->moveCursor(QTextCursor::End);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(field->toPlainText(), QStringLiteral("ab"));
    QVERIFY(dialog.isVisible());
    QTest::keyClick(field, Qt::Key_M, Qt::ControlModifier);
    QTest::keyClicks(field, QStringLiteral("c"));
    QCOMPARE(field->toPlainText(), QStringLiteral("ab\nc"));
    QStringList printed;
    dialog.setprinter([&](QWidget*, const PrintSource& source, const QString& documentname) {
      for (const DisplayLine& l : source.lines) printed << QString::fromStdString(l.text);
      printed << documentname;
      return source.cut;
    });
    dialog.findChild<QPushButton*>(QStringLiteral("print"))->click();
    QCOMPARE(printed, (QStringList{"ab", "c", "Quendal"}));
    QVERIFY(dialog.isVisible());
    dialog.findChild<QPushButton*>(QStringLiteral("cancel"))->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
  }

  // All text deleted: printing prints nothing (no file) and succeeds.
  void emptiedPreviewPrintsNothing() {
    QTemporaryDir directory;
    const QString file = directory.filePath(QStringLiteral("preview.pdf"));
    ApplicationState s = state(LanguageMode::german);
    PrintPreviewDialog dialog(s, lastreport(), startfont());
    bool result = false;
    dialog.setprinter([&](QWidget*, const PrintSource& source, const QString& documentname) {
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(file);
      result = printlines(printer, QFont(QStringLiteral("DejaVu Sans Mono"), 10), source, documentname, 1, true);
      return result;
    });
    dialog.show();
    dialog.field()->selectAll();
    QTest::keyClick(dialog.field(), Qt::Key_Delete);
    QVERIFY(dialog.field()->toPlainText().isEmpty());
    dialog.findChild<QPushButton*>(QStringLiteral("print"))->click();
    QVERIFY(result);
    QVERIFY(!QFile::exists(file));
  }
};

QTEST_MAIN(PrintPagesTest)
#include "print_pages_test.moc"
