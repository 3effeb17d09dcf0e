// Page 28 of the main report: the beginnings of the four seasons.
#include "reports/main_report.h"

namespace quendal {

std::string buildseasonspage(int /*year*/, int /*language*/) { return std::string(); }

}  // namespace quendal
