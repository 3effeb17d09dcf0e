// The generic tool dialog; see tool_dialog.h.
#include "ui/tool_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>

#include "calendar/calendar.h"
#include "calendar/text.h"
#include "ui/platform/platform.h"
#include "ui/platform/widgets.h"
#include "ui/platform/window_menu.h"
#include "ui/print/print_preview_dialog.h"

namespace quendal {

namespace {

constexpr int debouncemilliseconds = 50;      // timer 1
constexpr QSize fieldbuttoniconsize(24, 24);  // the icon of a field button (pixels)
constexpr int fieldcolumnspacing = 6;         // pixels between the columns of the fields

// The report field's accessible name: the caption and this.
constexpr Bilingual reportsuffix{" Bericht", " Report"};
// Closing refused while the dialog's graph window is open.
constexpr Bilingual graphwindowstillopen{"\n Bitte zuerst das Fenster mit der Grafik schließen!     \n\n",
                                         "\n Firstly close the Window with the Graphic please!     \n\n"};

// A label's text as an accessible name: without the colon and the blanks.
QString nameoflabel(const QString& text) {
  QString name = text.trimmed();
  if (name.endsWith(QLatin1Char(':'))) name.chop(1);
  return name.trimmed();
}

}  // namespace

ToolDialog::ToolDialog(const ToolDialogTable& table, DesktopState& state, QWidget* owner, int listing)
    : QDialog(owner), table_(table), state_(state), listing_(listing) {
  setObjectName(QString::fromLatin1(table.name));
  setWindowIcon(programicon(table.icon));
  timer_ = new QTimer(this);
  timer_->setSingleShot(true);
  timer_->setInterval(debouncemilliseconds);
  connect(timer_, &QTimer::timeout, this, &ToolDialog::recalculate);
  build();
  setinitialvalues();
  relabel();
  if (table_.opening) table_.opening(*this);
  recalculate();
}

ToolDialog::~ToolDialog() = default;

Language ToolDialog::language() const { return state_.application.language(); }

void ToolDialog::build() {
  auto* top = new QGridLayout;
  auto* buttons = new QGridLayout;
  QMap<int, QHBoxLayout*> strips;  // rows of controls one after the other
  int columns = 0;
  auto place = [&](QWidget* widget, const ControlSpec& spec) {
    if (spec.column != ControlSpec::strip) {
      top->addWidget(widget, spec.row, spec.column, 1, spec.span);
      return;
    }
    QHBoxLayout*& strip = strips[spec.row];
    if (!strip) {
      strip = new QHBoxLayout;
      top->addLayout(strip, spec.row, 0, 1, -1);
    }
    strip->addWidget(widget);
  };
  for (const ControlSpec& spec : table_.controls) {
    Entry e;
    e.spec = &spec;
    e.text = spec.label;
    switch (spec.kind) {
      case Control::field:
      case Control::signedfield:
        e.label = new QLabel(this);
        e.label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        e.field = new NumberField(spec.maxlength, spec.minimum, spec.maximum, this);
        e.label->setBuddy(e.field);
        top->addWidget(e.label, spec.row, spec.column);
        top->addWidget(e.field, spec.row, spec.column + 1, Qt::AlignLeft);
        columns = std::max(columns, spec.column + 2);
        break;
      case Control::check:
        e.box = new QCheckBox(this);
        place(e.box, spec);
        connect(e.box, &QCheckBox::clicked, this, &ToolDialog::recalculate);
        break;
      case Control::pair: {
        auto* firstbox = new QCheckBox(this);
        auto* secondbox = new QCheckBox(this);
        e.pair = new HemispherePair(firstbox, secondbox, this);
        auto* row = new QHBoxLayout;
        row->addWidget(firstbox);
        row->addWidget(secondbox);
        row->addStretch();
        top->addLayout(row, spec.row, spec.column, 1, spec.span);
        connect(e.pair, &HemispherePair::changed, this, &ToolDialog::recalculate);
        break;
      }
      case Control::button: {
        auto* button = new QPushButton(this);
        button->setAutoDefault(false);
        e.button = button;
        buttons->addWidget(button, spec.row, spec.column, 1, spec.span);
        break;
      }
      case Control::fieldbutton:
        if (spec.icon) {
          auto* button = new QToolButton(this);
          button->setIcon(programicon(spec.icon));
          button->setIconSize(fieldbuttoniconsize);
          e.button = button;
        } else {
          auto* button = new QPushButton(this);
          button->setAutoDefault(false);
          e.button = button;
        }
        place(e.button, spec);
        break;
      case Control::text:
        e.label = new QLabel(this);
        place(e.label, spec);
        break;
    }
    const QString key = QString::fromLatin1(spec.key);
    if (e.field) e.field->setObjectName(key);
    if (e.box) e.box->setObjectName(key);
    if (e.button) e.button->setObjectName(key);
    if (e.pair) {
      e.pair->box(0)->setObjectName(key);
      e.pair->box(1)->setObjectName(key + QStringLiteral("second"));
    }
    if (e.label && !e.field) e.label->setObjectName(key);
    if (e.button && spec.action) {
      const ToolAction action = spec.action;
      connect(e.button, &QAbstractButton::clicked, this, [this, action] { action(*this); });
    }
    if (spec.column != ControlSpec::strip) columns = std::max(columns, spec.column + spec.span);
    entries_.append(e);
  }
  for (QHBoxLayout* strip : strips) strip->addStretch();
  for (const Entry& e : entries_)
    if (e.field) {
      const Entry* entry = &e;
      connect(e.field, &NumberField::edited, this, [this, entry] { fieldedited(*entry); });
    }
  top->setColumnStretch(columns, 1);
  top->setHorizontalSpacing(fieldcolumnspacing);

  report_ = new ReportField(this);
  report_->setObjectName(QStringLiteral("report"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(report_, 1);
  layout->addLayout(buttons);

  WindowMenu::Commands commands;
  commands.wikipedia = hasarticle();
  commands.print = state_.application.printingEnabled;
  menu_ = new WindowMenu(this, commands);
  connect(menu_, &WindowMenu::printRequested, this, &ToolDialog::printcommand);
  connect(menu_, &WindowMenu::wikipediaRequested, this, &ToolDialog::wikipediacommand);
  report_->setWindowCommands(menu_->actions());

  resize(dialogunits(font(), table_.width, table_.height).expandedTo(minimumSizeHint()));
}

void ToolDialog::setinitialvalues() {
  const LocalDateTime now = localnow();
  const Language lang = language();
  for (Entry& e : entries_) {
    const ControlSpec& s = *e.spec;
    if (e.box) e.box->setChecked(s.value != 0);
    if (e.pair) e.pair->setFirst(s.value);
    if (!e.field) continue;
    int v = s.value;
    switch (s.initial) {
      case Initial::constant:
        break;
      case Initial::todayyear:
        v = now.year;
        break;
      case Initial::lastyear:
        v = now.year - 1;
        break;
      case Initial::todaymonth:
        v = now.month;
        break;
      case Initial::todayday:
        v = now.day;
        break;
      case Initial::todayhour:
        v = now.hour;
        break;
      case Initial::todayminute:
        v = now.minute;
        break;
      case Initial::dialogzone:
        v = dialogzone(lang, {now.year, now.month, now.day});
        break;
      case Initial::empty:
        e.field->setText(QString());
        continue;
    }
    e.field->setNumber(v);
  }
}

void ToolDialog::relabel() {
  const Language lang = language();
  caption_ = inlanguage(table_.caption, lang);
  setWindowTitle(caption_);
  for (Entry& e : entries_) {
    const ControlSpec& s = *e.spec;
    const QString text = inlanguage(e.text, lang);
    const QString given = inlanguage(s.name, lang);
    if (e.field) {
      e.label->setText(text);
      e.field->setAccessibleName(given.isEmpty() ? nameoflabel(text) : given);
    } else if (e.label) {
      e.label->setText(text);
    } else if (e.box) {
      e.box->setText(text);
      if (!given.isEmpty()) e.box->setAccessibleName(given);
    } else if (e.pair) {
      const QString second = inlanguage(s.second, lang);
      e.pair->box(0)->setText(text);
      e.pair->box(1)->setText(second);
      if (!given.isEmpty()) {
        e.pair->box(0)->setAccessibleName(given + QLatin1Char(' ') + text);
        e.pair->box(1)->setAccessibleName(given + QLatin1Char(' ') + second);
      }
    } else if (e.button) {
      if (s.icon) {
        e.button->setToolTip(text);
        e.button->setAccessibleName(text);
      } else {
        e.button->setText(text);
        if (!given.isEmpty()) e.button->setAccessibleName(given);
      }
    }
  }
  menu_->relabel(lang);
  setcaption(nullptr);
}

void ToolDialog::setcaption(const char* caption) {
  if (caption) caption_ = QString::fromUtf8(caption);
  setWindowTitle(caption_);
  report_->setAccessibleName(caption_ + inlanguage(reportsuffix, language()));
}

void ToolDialog::setdialogicon(const char* icon) { setWindowIcon(programicon(icon)); }

const ToolDialog::Entry* ToolDialog::find(const char* key) const {
  for (const Entry& e : entries_)
    if (std::strcmp(e.spec->key, key) == 0) return &e;
  qFatal("tool dialog %s: no control %s", table_.name, key);
  return nullptr;
}

ToolDialog::Entry* ToolDialog::find(const char* key) {
  return const_cast<Entry*>(static_cast<const ToolDialog*>(this)->find(key));
}

QWidget* ToolDialog::control(const char* key) const {
  const Entry* e = find(key);
  if (e->field) return e->field;
  if (e->box) return e->box;
  if (e->button) return e->button;
  if (e->pair) return e->pair->box(0);
  return e->label;
}

QString ToolDialog::text(const char* key) const { return find(key)->field->text(); }

int ToolDialog::length(const char* key) const { return static_cast<int>(text(key).size()); }

bool ToolDialog::isnumber(const char* key) const {
  const Entry* e = find(key);
  int v = 0;
  return e->spec->kind == Control::signedfield ? readsigned(e->field->text(), v) : readunsigned(e->field->text(), v);
}

int ToolDialog::number(const char* key) const {
  const Entry* e = find(key);
  int v = 0;
  const bool ok =
      e->spec->kind == Control::signedfield ? readsigned(e->field->text(), v) : readunsigned(e->field->text(), v);
  return ok ? v : 0;
}

void ToolDialog::setnumber(const char* key, int value) { find(key)->field->setNumber(value); }

bool ToolDialog::checked(const char* key) const { return find(key)->box->isChecked(); }

void ToolDialog::setchecked(const char* key, bool checked) { find(key)->box->setChecked(checked); }

int ToolDialog::first(const char* key) const { return find(key)->pair->first(); }

void ToolDialog::setfirst(const char* key, int first) { find(key)->pair->setFirst(first); }

void ToolDialog::setlabel(const char* key, const Bilingual& label) {
  Entry* e = find(key);
  e->text = label;
  const QString text = inlanguage(label, language());
  if (e->button) e->button->setText(text);
  if (e->box) e->box->setText(text);
}

void ToolDialog::setshown(const char* key, bool shown) { control(key)->setVisible(shown); }

void ToolDialog::showreport(const std::string& text) {
  const QString shown = QString::fromStdString(text);
  report_->setReport(shown, state_.fonts.font());
  report_->show();
  report_->widenwindowtofit();
  state_.lastreport.setReportBuffer(shown);
  emit reportUpdated();
}

void ToolDialog::hidereport() { report_->hide(); }

bool ToolDialog::yearcomplete(const char* key) const { return length(key) >= table_.yearcharacters && isnumber(key); }

bool ToolDialog::yearscomplete() const {
  return std::all_of(entries_.begin(), entries_.end(),
                     [this](const Entry& e) { return !e.field || !e.spec->year || yearcomplete(e.spec->key); });
}

void ToolDialog::recalculate() {
  timer_->stop();
  if (!yearscomplete() && !table_.withincompleteyear) {
    hidereport();
    return;
  }
  if (table_.calculate) table_.calculate(*this);
}

void ToolDialog::restarttimer() {
  hidereport();
  timer_->start();
}

void ToolDialog::fieldedited(const Entry& entry) {
  if (entry.spec->action)
    entry.spec->action(*this);
  else
    restarttimer();
}

void ToolDialog::done(int result) {
  if (table_.graphwindow && state_.session.graphWindowOpen()) {
    informationbox(this, QStringLiteral(" Information"), inlanguage(graphwindowstillopen, language()));
    return;
  }
  timer_->stop();
  if (table_.closing) table_.closing(*this);
  state_.session.setLocationindex(0);
  QDialog::done(result);
}

void ToolDialog::printcommand() { toolsteps::print(*this); }

bool ToolDialog::hasarticle() const { return *table_.article.de != '\0'; }

void ToolDialog::wikipediacommand() {
  if (hasarticle()) openwebaddress(table_.article.in(language()));
}

namespace toolsteps {

void stepday(ToolDialog& dialog, int days, YearRange years) {
  const CivilDate d = quendal::stepday(dialog.date, days, years.first, years.last);
  dialog.date = d;
  dialog.setnumber("year", d.year);
  dialog.setnumber("month", d.month);
  dialog.setnumber("day", d.day);
}

void stepdayinzone(ToolDialog& dialog, int days, YearRange years) {
  stepday(dialog, days, years);
  dialog.setnumber("zone", dialogzone(dialog.language(), dialog.date));
  dialog.recalculate();
}

int steppedplace(const ApplicationState& state, int index, int step) {
  const int inuse = state.placesinuse();
  index += step;
  if (index >= inuse || index >= locationtablesize) return 0;
  if (index < 0) return inuse - 1;
  return index;
}

void print(ToolDialog& dialog) {
  const DesktopState& s = dialog.state();
  showPrintPreview(&dialog, s.application, s.lastreport.reportBuffer(), s.fonts.font());
}

void close(ToolDialog& dialog) { dialog.accept(); }

void restoresavedposition(ToolDialog& dialog) { dialog.state().position.restoresavedposition(); }

}  // namespace toolsteps

}  // namespace quendal
