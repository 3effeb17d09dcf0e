// Controls of the dialogs; see widgets.h.
#include "ui/platform/widgets.h"

#include <QAccessible>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

namespace quendal {

bool readunsigned(const QString& text, int& value) {
  const QString t = text.trimmed();
  if (t.isEmpty()) return false;
  for (QChar c : t)
    if (!c.isDigit()) return false;
  bool ok = false;
  value = t.toInt(&ok);
  return ok;
}

namespace {

constexpr int decimalbase = 10;
// Digits are read only while the number read so far is below readinglimit.
constexpr long long readinglimit = 1000000000;

}  // namespace

bool readsigned(const QString& text, int& value) {
  const QByteArray t = text.trimmed().toLatin1();
  const char* p = t.constData();
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  long long v = 0;
  bool digits = false;
  while (*p >= '0' && *p <= '9' && v < readinglimit) {
    v = v * decimalbase + (*p++ - '0');
    digits = true;
  }
  value = static_cast<int>(negative ? -v : v);
  return digits;
}

NumberField::NumberField(int maxlength, int minimum, int maximum, QWidget* parent)
    : QAbstractSpinBox(parent), maxlength_(maxlength), minimum_(minimum), maximum_(maximum) {
  lineEdit()->setMaxLength(maxlength);
  setAlignment(Qt::AlignRight);
  setButtonSymbols(QAbstractSpinBox::UpDownArrows);
  setAccelerated(false);
  connect(lineEdit(), &QLineEdit::textChanged, this, &NumberField::textchanged);
}

QString NumberField::text() const { return lineEdit()->text(); }

void NumberField::setText(const QString& text) {
  if (lineEdit()->text() == text) return;
  const QScopedValueRollback<bool> writingback(writingback_, true);
  lineEdit()->setText(text);
}

bool NumberField::number(int& value) const {
  bool ok = false;
  value = text().trimmed().toInt(&ok);
  return ok;
}

QVariant NumberField::value() const {
  int value = 0;
  return number(value) ? QVariant(value) : QVariant();
}

void NumberField::setValue(const QVariant& value) {
  bool ok = false;
  const double wanted = value.toDouble(&ok);
  if (!ok || !std::isfinite(wanted)) return;
  const auto limited = static_cast<int>(std::lround(std::clamp<double>(wanted, minimum_, maximum_)));
  lineEdit()->setText(QString::number(limited));
}

// Every change of the text but setText()'s tells the dialog (its debounce
// starts again), and a changed number tells accessibility.
void NumberField::textchanged() {
  const QVariant now = value();
  if (now != announced_) {
    announced_ = now;
    QAccessibleValueChangeEvent event(this, now);
    QAccessible::updateAccessibility(&event);
  }
  if (!writingback_) emit edited();
}

// A press of the spin button is an edit even where the number stays (at the
// ends of the range).
void NumberField::stepBy(int steps) {
  int value = 0;
  const int stepped = number(value) ? std::clamp(value + steps, minimum_, maximum_) : minimum_;
  const QString text = QString::number(stepped);
  if (lineEdit()->text() != text)
    lineEdit()->setText(text);
  else
    emit edited();
}

QSize NumberField::sizeHint() const {
  ensurePolished();
  const QFontMetrics metrics(font());
  const int digits = std::max(maxlength_, 2) + 1;
  const QSize text(metrics.horizontalAdvance(QLatin1Char('0')) * digits, lineEdit()->sizeHint().height());
  QStyleOptionSpinBox option;
  initStyleOption(&option);
  return style()->sizeFromContents(QStyle::CT_SpinBox, &option, text, this);
}

HemispherePair::HemispherePair(QCheckBox* first, QCheckBox* second, QObject* parent)
    : QObject(parent), first_(first), second_(second) {
  connect(first_, &QCheckBox::clicked, this, [this](bool checked) { clicked(first_, second_, checked); });
  connect(second_, &QCheckBox::clicked, this, [this](bool checked) { clicked(second_, first_, checked); });
}

int HemispherePair::first() const { return first_->isChecked() ? 1 : 0; }

void HemispherePair::setFirst(int first) {
  first_->setChecked(first != 0);
  second_->setChecked(first == 0);
}

void HemispherePair::clicked(QCheckBox*, QCheckBox* other, bool checked) {
  other->setChecked(!checked);
  emit changed();
}

ReportField::ReportField(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  QSizePolicy policy = sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  setSizePolicy(policy);
}

void ReportField::setReport(const QString& text, const QFont& font) {
  if (this->font() != font) setFont(font);
  QString plain = text;
  plain.remove(QLatin1Char('\r'));
  if (toPlainText() != plain) setPlainText(plain);
}

void ReportField::widenwindowtofit() {
  const QFontMetrics metrics(font());
  int longest = 0;
  for (const QString& line : toPlainText().split(QLatin1Char('\n')))
    longest = std::max(longest, metrics.horizontalAdvance(line));
  const int scrollbar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  const int margins = 2 * (frameWidth() + static_cast<int>(document()->documentMargin())) + scrollbar + 4;
  QWidget* window = this->window();
  // What the window has beside the field: measured once laid out, else its
  // layout's margins (the field spans the layout).
  int besides = window->width() - width();
  if (!window->isVisible() && window->layout()) {
    const QMargins m = window->layout()->contentsMargins();
    besides = m.left() + m.right();
  }
  int wanted = longest + margins + besides;
  if (window->screen()) wanted = std::min(wanted, window->screen()->availableGeometry().width());
  if (wanted > window->width()) window->resize(wanted, window->height());
}

void ReportField::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu(event->pos());
  menu->setAttribute(Qt::WA_DeleteOnClose);
  if (!commands_.isEmpty()) {
    menu->addSeparator();
    menu->addActions(commands_);
  }
  menu->popup(event->globalPos());
}

}  // namespace quendal
