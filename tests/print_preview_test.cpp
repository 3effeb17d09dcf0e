// The print preview through its widgets (offscreen): the text it starts
// from, Return and Ctrl+M, "Drucken..." printing the edited field and
// staying open, "Abbruch" ending it; printing an emptied preview (no file).
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "print/print_layout.h"
#include "print/print_preview_dialog.h"

using namespace quendal;

class PrintPreviewTest : public QObject {
  Q_OBJECT

 private:
  static ApplicationState state(int languagemode) {
    ApplicationState s;
    s.userlanguage = 1033;
    s.languagemode = languagemode;
    s.reportBuffer = "\r\n Ostersonntag 2024\r\n 31. März\r\n";
    return s;
  }

 private slots:
  void startsFromTheReportBuffer_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("labels");  // caption, buttons
    QTest::newRow("German") << -1 << QStringList{"Druckvorschau", "Abbruch", "Drucken...", "Hilfe"};
    QTest::newRow("English") << 0 << QStringList{"Print Preview", "Cancel", "Print...", "Help"};
  }
  void startsFromTheReportBuffer() {
    QFETCH(int, mode);
    QFETCH(QStringList, labels);
    ApplicationState s = state(mode);
    PrintPreviewDialog dialog(s);
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
    ApplicationState s = state(-1);
    PrintPreviewDialog dialog(s);
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
    ApplicationState s = state(-1);
    PrintPreviewDialog dialog(s);
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

QTEST_MAIN(PrintPreviewTest)
#include "print_preview_test.moc"
