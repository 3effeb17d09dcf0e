// The tool dialogs: one mechanism driven by one table per dialog. A table
// names the dialog's controls (number fields with label, character limit,
// spin range and default; check boxes; hemisphere pairs; buttons with their
// actions) and the calculation that fills the report's inputs from the
// fields, calls the report and writes its corrected inputs back.
//
// The dialog does the rest the same way for every tool: it builds and labels
// the controls in the current language, sizes itself from the template's
// dialog units, hides the report field and restarts a 50 ms one-shot timer
// on every change of a field (the calculation runs when typing pauses),
// recalculates at once for check boxes, pairs and buttons, offers the window
// commands, and resets the shared location index when it closes. Whatever
// asks for it, the calculation waits until every year field is complete: a
// half-typed year is neither read nor written back, and the report stays
// hidden meanwhile.
#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <any>
#include <span>
#include <string>
#include <typeindex>
#include <typeinfo>
#include <unordered_map>

#include "calendar/calendar.h"
#include "calendar/text.h"
#include "ui/desktop_state.h"

class QAbstractButton;
class QCheckBox;
class QLabel;
class QTimer;

namespace quendal {

class HemispherePair;
class NumberField;
class ReportField;
class ToolDialog;
class WindowMenu;

using ToolAction = void (*)(ToolDialog&);

enum class Control {
  field,        // unsigned number field: label, field with spin button
  signedfield,  // number field read as a signed decimal integer
  check,        // check box
  pair,         // hemisphere pair: two check boxes, one choice
  button,       // push button in the button rows below the report
  fieldbutton,  // push button among the fields (with an icon: a small tool button)
  text,         // a static label
};

// The value a field or check box starts with.
enum class Initial { constant, todayyear, lastyear, todaymonth, todayday, todayhour, todayminute, dialogzone, empty };

// One control of a table. Tables write the controls with designated
// initialisers or with the helpers of ui/tool_controls.h, placed by at(),
// instrip() and spanning().
struct ControlSpec {
  // The column of a control in a row of its own, one control after the other.
  static constexpr int strip = -1;

  Control kind = Control::field;
  const char* key = "";
  Bilingual label;    // label (a pair: its first box; an icon button: its tool tip); empty for none
  int maxlength = 2;  // fields: characters
  int minimum = 0;    // fields: spin range
  int maximum = 0;
  Initial initial = Initial::constant;
  int value = 0;      // constant default; check box and pair: 1 = first checked
  bool year = false;  // a year field: the calculation waits until it is complete
  Bilingual second;   // a pair: its second box
  // The accessible name where the label alone does not say which field it
  // is ("Breitengrad Minuten"); a pair's names get it as a prefix. Empty:
  // the label's.
  Bilingual name;
  // Grid position above the report (buttons: below it). A field takes two
  // columns, its label and itself. Column strip: in a row of its own.
  int row = 0;
  int column = 0;
  int span = 1;
  ToolAction action = nullptr;  // buttons: the click; fields: called on each edit instead of the timer
  const char* icon = nullptr;   // field buttons: an icon (its name) instead of a text

  // The control at a place of the grid (QGridLayout's row and column).
  constexpr ControlSpec at(int gridrow, int gridcolumn) const {
    ControlSpec c = *this;
    c.row = gridrow;
    c.column = gridcolumn;
    return c;
  }
  // The control in the strip of a row.
  constexpr ControlSpec instrip(int gridrow) const { return at(gridrow, strip); }
  constexpr ControlSpec spanning(int columns) const {
    ControlSpec c = *this;
    c.span = columns;
    return c;
  }
  // The control with an accessible name of its own.
  constexpr ControlSpec named(Bilingual accessiblename) const {
    ControlSpec c = *this;
    c.name = accessiblename;
    return c;
  }
  // A check box that starts checked.
  constexpr ControlSpec checked() const {
    ControlSpec c = *this;
    c.value = 1;
    return c;
  }
};

struct ToolDialogTable {
  const char* name = "";         // short name (screenshots, tests)
  int templateid = 0;            // the dialog's template number
  const char* icon = "quendal";  // the dialog's icon (its name)
  int width = 0;                 // the template's size in dialog units
  int height = 0;
  Bilingual caption;
  std::span<const ControlSpec> controls;
  int yearcharacters = 4;          // a year field is read from this many characters on
  Bilingual article;               // web address of the encyclopedia article; empty for none
  bool graphwindow = false;        // can open a graph window: closing refused while one is open
  ToolAction calculate = nullptr;  // fill inputs, call the report, write back, show
  ToolAction opening = nullptr;    // before the first calculation
  ToolAction closing = nullptr;    // when the dialog ends
  // The calculation runs also while a year field is incomplete: it reads
  // the other fields, leaves the year as typed and shows no report.
  bool withincompleteyear = false;
};

// A span of years, the first and the last included: a year field's spin
// range, the years the day buttons wrap within.
struct YearRange {
  int first = 0;
  int last = 0;
};

class ToolDialog : public QDialog {
  Q_OBJECT

 public:
  // listing: the listing the dialog opens with, for the dialogs that have
  // several ("Jahreszeit..." in the main dialog opens the moon dialog on the
  // seasons); 0 the first.
  ToolDialog(const ToolDialogTable& table, DesktopState& state, QWidget* owner = nullptr, int listing = 0);
  ~ToolDialog() override;

  const ToolDialogTable& table() const { return table_; }
  DesktopState& state() { return state_; }
  const DesktopState& state() const { return state_; }
  int initiallisting() const { return listing_; }
  // The language of labels and reports.
  Language language() const;

  // ---- Fields, check boxes, pairs, buttons by key
  QString text(const char* key) const;
  int length(const char* key) const;           // characters
  bool isnumber(const char* key) const;        // holds a number of its kind
  int number(const char* key) const;           // 0 when it holds no number
  void setnumber(const char* key, int value);  // write-back: no change signal
  bool checked(const char* key) const;
  void setchecked(const char* key, bool checked);
  int first(const char* key) const;  // pairs: 1 when the first box is checked
  void setfirst(const char* key, int first);
  void setlabel(const char* key, const Bilingual& label);
  void setshown(const char* key, bool shown);
  QWidget* control(const char* key) const;

  // ---- Report field, caption, icon
  void showreport(const std::string& text);
  void setcaption(const char* caption);
  void setdialogicon(const char* icon);
  ReportField* reportfield() const { return report_; }

  // ---- Calculation
  // A year field holds a year: at least the table's yearcharacters
  // characters that read as a number.
  bool yearcomplete(const char* key) const;
  bool yearscomplete() const;  // every year field of the dialog
  // At once; with an incomplete year only when the table says so, the
  // report hidden otherwise.
  void recalculate();
  void restarttimer();  // the 50 ms debounce, the report field hidden meanwhile
  void hidereport();

  // The dialog date the day buttons step.
  CivilDate date;

  // The dialog's own state: a small struct its source declares (or one that
  // several dialogs share, as the place fields' PlaceState), made at the
  // first use and kept while the dialog lives; one of each type.
  template <class State>
  State& own() {
    std::any& held = own_[std::type_index(typeid(State))];
    if (!held.has_value()) held.emplace<State>();
    return std::any_cast<State&>(held);
  }

 signals:
  // A report was placed into the report field.
  void reportUpdated();

 public slots:
  void done(int result) override;

 private:
  struct Entry {
    const ControlSpec* spec = nullptr;
    Bilingual text;  // of the label, box or button: the table's, until setlabel() changes it
    QLabel* label = nullptr;
    NumberField* field = nullptr;
    QCheckBox* box = nullptr;
    HemispherePair* pair = nullptr;
    QAbstractButton* button = nullptr;
  };

  void build();
  void relabel();
  void setinitialvalues();
  void fieldedited(const Entry& entry);
  void printcommand();
  void wikipediacommand();
  bool hasarticle() const;
  const Entry* find(const char* key) const;
  Entry* find(const char* key);

  const ToolDialogTable& table_;
  DesktopState& state_;
  int listing_ = 0;
  QList<Entry> entries_;
  ReportField* report_ = nullptr;
  QTimer* timer_ = nullptr;
  WindowMenu* menu_ = nullptr;
  QString caption_;
  std::unordered_map<std::type_index, std::any> own_;
};

// The common steps of the tool dialogs' buttons.
namespace toolsteps {

// "Tag -" / "Tag +": the dialog date one day back or on, the year wrapping
// within the years (below the first: 31 December of the last, above the
// last: 1 January of the first); day, month and year written into the fields
// "day", "month", "year".
void stepday(ToolDialog& dialog, int days, YearRange years);
// The same for the dialogs whose zone follows the date: the zone of the new
// day (dialogzone) written into "zone", and the report again.
void stepdayinzone(ToolDialog& dialog, int days, YearRange years);
// "Pos. -" / "Pos. +": the next or previous configured place of the index,
// wrapping over the places in use.
int steppedplace(const ApplicationState& state, int index, int step);
// The graph windows ("Grafik", "Grafik...") open in ui/graph_windows.h.
// The print command and the print button: the print preview of the report.
void print(ToolDialog& dialog);
void close(ToolDialog& dialog);
// The closing of the large view and the month overview: the year and month
// saved before they opened become the current ones again.
void restoresavedposition(ToolDialog& dialog);

}  // namespace toolsteps

}  // namespace quendal
