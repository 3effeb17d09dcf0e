// The configuration evaluation box; see configuration_evaluation.h.
#include "ui/configuration_evaluation.h"

#include <QString>

#include "app/configuration.h"
#include "reports/configuration_report.h"
#include "ui/configuration_reading.h"
#include "ui/platform/platform.h"

namespace quendal {

void showConfigurationEvaluation(QWidget* owner, ApplicationState& state) {
  const LocalDateTime today = localnow();
  ConfigurationReportInputs in;
  in.result = loadconfiguration(state);
  in.file = state.configuration.path;
  in.todayyear = today.year;
  in.todaymonth = today.month;
  in.todayday = today.day;
  in.dates = state.configuration.personalDateTable;
  const ConfigurationReport r = buildconfigurationevaluation(in, state.language());
  const std::string source = configurationsource(in.file, configurationcandidates(), state.language());
  informationbox(owner, QString::fromUtf8(r.title), QString::fromStdString(r.text + source));
}

}  // namespace quendal
