// MainDialog: the program's home screen. A year and a month field, the main
// report (Easter, calendars and the further pages chosen by the month field)
// and one button per tool; the language and font switches, printing, the web
// page and the about box.
#pragma once

#include <QDialog>
#include <QList>

#include "ui/desktop_state.h"

class QAbstractButton;
class QLabel;
class QPushButton;
class QTimer;
class QToolButton;

namespace quendal {

class NumberField;
class ReportField;
class WindowMenu;
struct ToolDialogTable;

class MainDialog : public QDialog {
  Q_OBJECT

 public:
  explicit MainDialog(DesktopState& state, QWidget* owner = nullptr);

  ReportField* reportfield() const { return report_; }

 signals:
  // A report or an input message was placed into the report field.
  void reportUpdated();

 private:
  struct Button {
    QPushButton* button;
    Bilingual label;
  };

  void build();
  void relabel();
  Language language() const;
  void fieldedited();
  void evaluate();
  void buildreport();
  void showmessage(const char* text);
  void setmaincaption();

  void today();
  void togglelanguage();
  void togglelinuxfont();
  void togglefont();
  void print();
  void wikipedia();
  void webpage();
  void about();
  void calendar();
  void runtool(const ToolDialogTable& table, int listing = 0);
  void rungregoriantool(const ToolDialogTable& table);
  void gregorianlimit();

  DesktopState& state_;
  NumberField* year_ = nullptr;
  NumberField* month_ = nullptr;
  QLabel* yearlabel_ = nullptr;
  QLabel* monthlabel_ = nullptr;
  QToolButton* today_ = nullptr;
  ReportField* report_ = nullptr;
  QList<Button> buttons_;
  QPushButton* language_ = nullptr;
  QPushButton* linuxfont_ = nullptr;
  QTimer* timer_ = nullptr;
  WindowMenu* menu_ = nullptr;
};

}  // namespace quendal
