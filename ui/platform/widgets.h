// The controls the dialogs are built of: a number field with a character
// limit and a spin range, a hemisphere pair of check boxes, and the
// read-only report field.
#pragma once

#include <QAbstractSpinBox>
#include <QList>
#include <QObject>
#include <QPlainTextEdit>

class QAction;
class QCheckBox;

namespace quendal {

// A number field with a spin button. The text is what the dialog reads, as
// the user typed it (no validation, so half-typed and invalid input stays
// visible); the spin button steps the number within the range.
//
// Screen readers and voice control see the text through the field's line
// edit, and the number through the properties below, which Qt's accessible
// spin box reads and writes: value is the number the text holds (none while
// it holds none); setting it writes the number's text as typing would.
class NumberField : public QAbstractSpinBox {
  Q_OBJECT
  Q_PROPERTY(QVariant value READ value WRITE setValue)
  Q_PROPERTY(int minimum READ minimum CONSTANT)
  Q_PROPERTY(int maximum READ maximum CONSTANT)
  Q_PROPERTY(int stepSize READ stepSize CONSTANT)

 public:
  NumberField(int maxlength, int minimum, int maximum, QWidget* parent = nullptr);

  QString text() const;
  // Sets the text without the edited() signal (write-back of corrected values).
  void setText(const QString& text);
  void setNumber(int value) { setText(QString::number(value)); }

  // The number the text holds (blanks around it allowed), or none.
  QVariant value() const;
  // The text of the number, limited to the spin range; edited() as for typing.
  void setValue(const QVariant& value);
  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }
  int stepSize() const { return 1; }

  void stepBy(int steps) override;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 signals:
  // The text changed other than by setText(): typed, pasted, stepped by the
  // spin button, set by assistive technology or on the line edit itself.
  void edited();

 protected:
  StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

 private:
  bool number(int& value) const;
  void textchanged();

  int maxlength_;
  int minimum_;
  int maximum_;
  bool writingback_ = false;  // setText() is writing
  QVariant announced_;        // the value accessibility was last told of
};

// The number in a field's text. Unsigned: digits only (blanks around them
// allowed). Signed: optional blanks and sign, then digits; reading stops at
// the first other character. False when the text holds no number.
bool readunsigned(const QString& text, int& value);
bool readsigned(const QString& text, int& value);

// Two check boxes that act as one choice ("Nord"/"Süd", "Ost"/"West"):
// checking one clears the other, clearing one checks the other.
class HemispherePair : public QObject {
  Q_OBJECT

 public:
  HemispherePair(QCheckBox* first, QCheckBox* second, QObject* parent = nullptr);

  // 1 when the first box is checked.
  int first() const;
  void setFirst(int first);
  QCheckBox* box(int index) const { return index == 0 ? first_ : second_; }

 signals:
  // The user changed the choice.
  void changed();

 private:
  void clicked(QCheckBox* box, QCheckBox* other, bool checked);

  QCheckBox* first_;
  QCheckBox* second_;
};

// The read-only multi-line report field. Its context menu offers the
// dialog's window commands after the usual copy commands.
class ReportField : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit ReportField(QWidget* parent = nullptr);

  // Shows a report text (lines may end in CR LF) in the given font.
  void setReport(const QString& text, const QFont& font);
  void setWindowCommands(const QList<QAction*>& actions) { commands_ = actions; }
  // Widens the window the field is in (never beyond the screen, never
  // narrower) so that the longest line of the report fits without scrolling.
  void widenwindowtofit();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QList<QAction*> commands_;
};

}  // namespace quendal
