// MoonPhaseDialog: the Moon now and its coming phases, the phases of a year,
// the eclipses and the seasons.
#include <QWidget>

#include "reports/moon_report.h"
#include "ui/datetime_fields.h"
#include "ui/tool_controls.h"
#include "ui/tool_dialogs.h"

namespace quendal {

namespace {

constexpr int listings = moonseasons + 1;  // the report pages 0..6
constexpr YearRange years{1600, 2400};     // the years of the report
constexpr YearRange dayyears{1800, 2200};  // the years "Tag -" / "Tag +" wrap within

// The dialog's own state.
struct MoonPhaseState {
  bool centraleuropean = false;  // "MEZ/MESZ" pressed: zone 99; the button offers "UTC" instead
  bool seconds = false;          // "HH:MM:SS" pressed: times with seconds; the button offers "HH:MM" instead
  MoonReportPage listing = moonnow;
};

void calculate(ToolDialog& d) {
  const MoonPhaseState& moon = d.own<MoonPhaseState>();
  MoonReportInputs in;
  readdatetime(d, in, &MoonReportInputs::half);
  in.page = moon.listing;
  in.seconds = moon.seconds ? 1 : 0;
  const MoonReport r = buildmoonreport(in, d.language());
  const MoonReportInputs& c = r.corrected;
  writedatetime(d, c, &MoonReportInputs::half);
  d.setcaption(r.caption);
  d.showreport(r.text);
}

void select(ToolDialog& d, int listing) {
  d.own<MoonPhaseState>().listing = static_cast<MoonReportPage>(listing);
  d.recalculate();
}

MoonReportPage shown(ToolDialog& d) { return d.own<MoonPhaseState>().listing; }

void nextphase(ToolDialog& d) { select(d, (shown(d) + 1) % listings); }
void previousphase(ToolDialog& d) { select(d, (shown(d) + listings - 1) % listings); }
void eclipses(ToolDialog& d) { select(d, shown(d) == mooneclipses ? moonnow : mooneclipses); }
void seasons(ToolDialog& d) { select(d, shown(d) == moonseasons ? moonnow : moonseasons); }

// Two buttons in one place: pressing one shows the other, which takes the
// focus if the pressed one had it.
void swap(ToolDialog& d, const char* pressed, const char* other) {
  const bool focus = d.control(pressed)->hasFocus();
  d.setshown(pressed, false);
  d.setshown(other, true);
  if (focus) d.control(other)->setFocus();
}

// "MEZ/MESZ" and "UTC": Central European time with summer time (zone 99) or UTC.
void zonebutton(ToolDialog& d) {
  bool& centraleuropean = d.own<MoonPhaseState>().centraleuropean;
  centraleuropean = !centraleuropean;
  d.setchecked("half", false);
  d.setnumber("zone", centraleuropean ? automaticzone : 0);
  if (centraleuropean)
    swap(d, "cet", "utc");
  else
    swap(d, "utc", "cet");
  d.recalculate();
}

// "HH:MM:SS" and "HH:MM": times with or without seconds.
void secondsbutton(ToolDialog& d) {
  bool& seconds = d.own<MoonPhaseState>().seconds;
  seconds = !seconds;
  if (seconds)
    swap(d, "seconds", "minutes");
  else
    swap(d, "minutes", "seconds");
  d.recalculate();
}

void stepday(ToolDialog& d, int days) {
  d.date = {d.number("year"), d.number("month"), d.number("day")};
  toolsteps::stepday(d, days, dayyears);
  d.recalculate();
}

void dayback(ToolDialog& d) { stepday(d, -1); }
void dayon(ToolDialog& d) { stepday(d, 1); }

void font(ToolDialog& d) {
  d.state().fonts.togglefont();
  d.recalculate();
}

// The page the dialog opens on: its initial listing ("Jahreszeit..." in the
// main dialog opens the seasons).
void opening(ToolDialog& d) {
  d.own<MoonPhaseState>().listing = static_cast<MoonReportPage>(d.initiallisting());
  d.setshown("utc", false);
  d.setshown("minutes", false);
}

using namespace controls;

const ControlSpec dialogcontrols[] = {
    yearfield(years).at(0, 0),
    monthfield().at(0, 2),
    dayfield().at(0, 4),
    hourfield().at(1, 0),
    minutefield().at(1, 2),
    zonefield().at(1, 4),
    halfzone().at(1, 6),
    button("previousphase", {"Phase -", "Phase -"}, previousphase).at(0, 0),
    button("nextphase", {"Phase +", "Phase +"}, nextphase).at(0, 1),
    button("eclipses", {"SOFI/MOFI", "Eclipses"}, eclipses).at(0, 2),
    button("seasons", {"Jahreszeit", "Seasons"}, seasons).at(0, 3),
    button("cet", {"MEZ/MESZ", "CET/CEST"}, zonebutton).at(0, 4),
    button("utc", {"UTC", "UTC"}, zonebutton).at(0, 4),
    button("seconds", {"HH:MM:SS", "HH:MM:SS"}, secondsbutton).at(0, 5),
    button("minutes", {"HH:MM", "HH:MM"}, secondsbutton).at(0, 5),
    button("dayback", {"Tag -", "Day -"}, dayback).at(1, 0),
    button("dayon", {"Tag +", "Day +"}, dayon).at(1, 1),
    button("font", {"Font <->", "Font <->"}, font).at(1, 2),
    printbutton().at(1, 4),
    okbutton().at(1, 5),
};

}  // namespace

const ToolDialogTable MoonPhaseDialog = {
    .name = "moon_phase",
    .templateid = 105,
    .icon = "moon",
    .width = 380,
    .height = 315,
    .caption = {"Mondphasen berechnen", "Moon Phase Calculation"},
    .controls = dialogcontrols,
    .article = {"https://de.wikipedia.org/wiki/Mondphase", "https://en.wikipedia.org/wiki/Lunar_phase"},
    .calculate = calculate,
    .opening = opening,
};

}  // namespace quendal
