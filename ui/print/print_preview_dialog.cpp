// The print preview; see print_preview_dialog.h.
#include "ui/print/print_preview_dialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "calendar/text.h"
#include "ui/platform/platform.h"
#include "ui/print/printing.h"

namespace quendal {

namespace {

constexpr Bilingual caption{"Druckvorschau", "Print Preview"};
constexpr Bilingual helptitle{"Osterdatum und Kalender", "Easter Date and Calendar"};
constexpr Bilingual helptext{
    "\n\n Die Druckvorschau kann innerhalb "
    "\n des Feldes editiert werden "
    "\n\n Die Return-Taste kann nicht verwendet werden       "
    "\n Ersatz ist STRG-M "
    "\n\n Zum Drucken Fonts mit fixen Abstand verwenden "
    "\n\n z. B. 'Courier' oder 'Lucidia Console' "
    "\n\n",
    "\n\n The Print Preview can be"
    "\n edited within the Field "
    "\n\n Return Key cannot be used      "
    "\n Use instead STRG-M "
    "\n\n Fixed Pitched Fonts are recommended for Printing      "
    "\n\n e.g. 'Courier' or 'Lucidia Console' "
    "\n\n"};

// The dialog's size in dialog units (at least its layout's minimum).
constexpr int widthunits = 510;
constexpr int heightunits = 350;

// Centred over the owner (or the screen), kept inside the screen.
void centre(QWidget* dialog, const QWidget* owner) {
  const QScreen* screen = owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), fallbackscreensize);
  const QRect over = owner ? owner->frameGeometry() : area;
  QRect r(QPoint(0, 0), dialog->size());
  r.moveCenter(over.center());
  r.moveLeft(std::clamp(r.left(), area.left(), std::max(area.left(), area.right() - r.width())));
  r.moveTop(std::clamp(r.top(), area.top(), std::max(area.top(), area.bottom() - r.height())));
  dialog->move(r.topLeft());
}

}  // namespace

PreviewField::PreviewField(QWidget* parent) : QPlainTextEdit(parent) {
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void PreviewField::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if (event->key() == Qt::Key_M && modifiers == Qt::ControlModifier) {
    insertPlainText(QStringLiteral("\n"));
    return;
  }
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->ignore();  // the dialog's
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

PrintPreviewDialog::PrintPreviewDialog(const ApplicationState& state, const QString& report, const QFont& textfont,
                                       QWidget* owner)
    : QDialog(owner), state_(state) {
  setObjectName(QStringLiteral("print_preview"));
  const Language lang = state_.language();
  setWindowTitle(inlanguage(caption, lang));
  setWindowIcon(owner ? owner->windowIcon() : programicon("quendal"));

  field_ = new PreviewField(this);
  field_->setObjectName(QStringLiteral("preview"));
  field_->setAccessibleName(windowTitle());
  field_->setFont(textfont);
  QString text = QStringLiteral("\r\n") + report;
  field_->setPlainText(text.remove(QLatin1Char('\r')));

  auto button = [this, lang](const char* name, const Bilingual& label) {
    auto* b = new QPushButton(inlanguage(label, lang), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
  };
  QPushButton* cancel = button("cancel", {"Abbruch", "Cancel"});
  QPushButton* print = button("print", labels::print);
  QPushButton* help = button("help", {"Hilfe", "Help"});
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(print, &QPushButton::clicked, this, &PrintPreviewDialog::print);
  connect(help, &QPushButton::clicked, this, &PrintPreviewDialog::help);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cancel);
  buttons->addStretch();
  buttons->addWidget(print);
  buttons->addWidget(help);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(field_, 1);
  layout->addLayout(buttons);

  const bool german = germansystem(state_.userlanguage);
  printer_ = [german](QWidget* o, const PrintSource& source, const QString& name) {
    return printText(o, source, name, german);
  };
  resize(dialogunits(font(), widthunits, heightunits).expandedTo(minimumSizeHint()));
  centre(this, owner);
  field_->setFocus();
}

void PrintPreviewDialog::print() { printer_(this, textsource(field_->toPlainText()), QStringLiteral("Quendal")); }

void PrintPreviewDialog::help() {
  const Language lang = state_.language();
  informationbox(this, inlanguage(helptitle, lang), inlanguage(helptext, lang));
}

void showPrintPreview(QWidget* owner, const ApplicationState& state, const QString& report, const QFont& textfont) {
  if (!state.printingEnabled) return;
  PrintPreviewDialog dialog(state, report, textfont, owner);
  dialog.exec();
}

}  // namespace quendal
