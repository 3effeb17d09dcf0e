// The desktop program's state; see desktop_state.h.
#include "ui/desktop_state.h"

namespace quendal {

namespace {

// Sets member to value; true when that changed it.
template <class T>
bool assign(T& member, const T& value) {
  if (member == value) return false;
  member = value;
  return true;
}

}  // namespace

void CalendarPosition::setCurrentyear(int year) {
  if (assign(currentyear_, year)) emit changed();
}

void CalendarPosition::setReportpage(int page) {
  if (assign(reportpage_, page)) emit changed();
}

void CalendarPosition::setPosition(int year, int page) {
  const bool yearchanged = assign(currentyear_, year);
  if (assign(reportpage_, page) || yearchanged) emit changed();
}

void CalendarPosition::setSavedPosition(int year, int month) {
  const bool yearchanged = assign(savedyear_, year);
  if (assign(savedmonth_, month) || yearchanged) emit savedChanged();
}

void ReportFonts::setFixedFontToggle(bool toggle) {
  if (assign(fixedFontToggle_, toggle)) emit changed();
}

void ReportFonts::setLinuxFontToggle(bool toggle) {
  if (assign(linuxFontToggle_, toggle)) emit changed();
}

void ReportFonts::togglefont() {
  if (!linuxFontToggle_) setFixedFontToggle(!fixedFontToggle_);
}

void ReportFonts::togglelinuxfont() {
  const bool linuxchanged = assign(linuxFontToggle_, !linuxFontToggle_);
  if (assign(fixedFontToggle_, true) || linuxchanged) emit changed();
}

void LastReport::setReportBuffer(const QString& text) {
  if (assign(reportBuffer_, text)) emit changed();
}

void ChartModel::setState(const ChartState& state) {
  const ChartState before = state_;
  state_ = state;
  if (state_.chartInstant != before.chartInstant || state_.chartLongitude != before.chartLongitude ||
      state_.chartLatitude != before.chartLatitude || state_.chartDisplayWord != before.chartDisplayWord)
    emit changed();
  if (state_.enteredInstant != before.enteredInstant || state_.enteredLongitude != before.enteredLongitude ||
      state_.enteredLatitude != before.enteredLatitude)
    emit enteredChanged();
}

void ChartModel::setChartInstant(double jd) {
  if (assign(state_.chartInstant, jd)) emit changed();
}

void ChartModel::setEntered(double instant, double latitude, double longitude) {
  ChartState s = state_;
  s.enteredInstant = instant;
  s.enteredLatitude = latitude;
  s.enteredLongitude = longitude;
  setState(s);
}

void ChartModel::takeenteredinstant() {
  ChartState s = state_;
  s.chartInstant = s.enteredInstant;
  setState(s);
}

void ChartModel::takeenteredplace() {
  ChartState s = state_;
  s.chartLatitude = s.enteredLatitude;
  s.chartLongitude = s.enteredLongitude;
  setState(s);
}

void ToolSession::setLocationindex(int index) {
  if (assign(locationindex_, index)) emit changed();
}

void ToolSession::setGraphWindowOpen(bool open) {
  if (assign(graphWindowOpen_, open)) emit changed();
}

void ToolSession::setDifferenceDirection(int direction) {
  if (assign(differenceDirection_, direction)) emit changed();
}

}  // namespace quendal
