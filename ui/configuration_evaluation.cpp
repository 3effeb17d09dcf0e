// The configuration evaluation box; see configuration_evaluation.h.
#include "ui/configuration_evaluation.h"

#include <QString>

#include "reports/configuration_report.h"
#include "ui/engine_seam.h"
#include "ui/platform/platform.h"

namespace quendal {

void showConfigurationEvaluation(QWidget* owner, ApplicationState& state) {
  const LocalDateTime today = localnow();
  ConfigurationReportInputs in;
  in.result = readconfiguration(state);
  in.todayyear = today.year;
  in.todaymonth = today.month;
  in.todayday = today.day;
  for (int i = 0; i < personaldatetablesize; ++i) in.dates[i] = personaldate(state, i);
  const ConfigurationReport r = buildconfigurationevaluation(in, uilanguage(state));
  informationbox(owner, QString::fromUtf8(r.title), QString::fromStdString(r.text));
}

}  // namespace quendal
