// PrintPreviewDialog: the text of the last report in an editable field, in
// the report font; "Drucken..." prints the field as it is now (the dialog
// stays open), "Abbruch" and the close box discard the edits. Return does
// not break a line in the field (it belongs to the dialog); Ctrl+M does.
#pragma once

#include <QDialog>
#include <QFont>
#include <QPlainTextEdit>
#include <QString>
#include <functional>

#include "app/application_state.h"
#include "ui/print/print_layout.h"

class QPushButton;

namespace quendal {

// The preview field: Return goes to the dialog, Ctrl+M breaks the line.
class PreviewField : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit PreviewField(QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

class PrintPreviewDialog : public QDialog {
  Q_OBJECT

 public:
  // report: the text of the last report (lines may end in CR LF), shown in
  // the report font; the state gives the language and the printer's.
  PrintPreviewDialog(const ApplicationState& state, const QString& report, const QFont& textfont,
                     QWidget* owner = nullptr);

  PreviewField* field() const { return field_; }
  // What "Drucken..." calls with the field's lines and the document name
  // "Quendal" (printText unless a test replaces it).
  using Printer = std::function<bool(QWidget* owner, const PrintSource& source, const QString& documentname)>;
  void setprinter(Printer printer) { printer_ = std::move(printer); }

 private:
  void print();
  void help();

  const ApplicationState& state_;
  PreviewField* field_ = nullptr;
  Printer printer_;
};

// Opens the print preview of the last report modally over owner, when
// printingEnabled is set.
void showPrintPreview(QWidget* owner, const ApplicationState& state, const QString& report, const QFont& textfont);

}  // namespace quendal
