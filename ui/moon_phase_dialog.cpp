// MoonPhaseDialog: the Moon now and its coming phases, the phases of a year,
// the eclipses and the seasons.
#include <QWidget>

#include "reports/moon_report.h"
#include "ui/datetime_fields.h"
#include "ui/tool_controls.h"
#include "ui/tool_dialogs.h"

namespace quendal {

namespace {

enum { utcflag, secondsflag };  // ToolDialog::flags
constexpr int listings = 7;     // dialog selector 0..6: the report pages

void calculate(ToolDialog& d) {
  MoonReportInputs in;
  readdatetime(d, in, &MoonReportInputs::half);
  in.page = d.state().dialogselector;
  in.seconds = d.flags[secondsflag];
  const MoonReport r = buildmoonreport(in, d.language());
  const MoonReportInputs& c = r.corrected;
  writedatetime(d, c, &MoonReportInputs::half);
  d.setcaption(r.caption);
  d.showreport(r.text);
}

void select(ToolDialog& d, int listing) {
  d.state().dialogselector = listing;
  d.recalculate();
}

void nextphase(ToolDialog& d) { select(d, (d.state().dialogselector + 1) % listings); }
void previousphase(ToolDialog& d) { select(d, (d.state().dialogselector + listings - 1) % listings); }
void eclipses(ToolDialog& d) { select(d, d.state().dialogselector == mooneclipses ? 0 : mooneclipses); }
void seasons(ToolDialog& d) { select(d, d.state().dialogselector == moonseasons ? 0 : moonseasons); }

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
  d.flags[utcflag] = d.flags[utcflag] ? 0 : 1;
  d.setchecked("half", false);
  d.setnumber("zone", d.flags[utcflag] ? automaticzone : 0);
  if (d.flags[utcflag])
    swap(d, "cet", "utc");
  else
    swap(d, "utc", "cet");
  d.recalculate();
}

// "HH:MM:SS" and "HH:MM": times with or without seconds.
void secondsbutton(ToolDialog& d) {
  d.flags[secondsflag] = d.flags[secondsflag] ? 0 : 1;
  if (d.flags[secondsflag])
    swap(d, "seconds", "minutes");
  else
    swap(d, "minutes", "seconds");
  d.recalculate();
}

void stepday(ToolDialog& d, int days) {
  d.date = {d.number("year"), d.number("month"), d.number("day")};
  toolsteps::stepday(d, days, 1800, 2200);
  d.recalculate();
}

void dayback(ToolDialog& d) { stepday(d, -1); }
void dayon(ToolDialog& d) { stepday(d, 1); }

void font(ToolDialog& d) {
  ApplicationState& s = d.state();
  if (!s.linuxFontToggle) s.fixedFontToggle = s.fixedFontToggle ? 0 : 1;
  d.recalculate();
}

void opening(ToolDialog& d) {
  d.setshown("utc", false);
  d.setshown("minutes", false);
}

void closing(ToolDialog& d) { d.flags[utcflag] = d.flags[secondsflag] = 0; }

using namespace controls;

const ControlSpec dialogcontrols[] = {
    yearfield(1600, 2400, 0, 0),
    monthfield(0, 2),
    dayfield(0, 4),
    hourfield(1, 0),
    minutefield(1, 2),
    zonefield(1, 4),
    halfzone(1, 6),
    button("previousphase", "Phase -", "Phase -", previousphase, 0, 0),
    button("nextphase", "Phase +", "Phase +", nextphase, 0, 1),
    button("eclipses", "SOFI/MOFI", "Eclipses", eclipses, 0, 2),
    button("seasons", "Jahreszeit", "Seasons", seasons, 0, 3),
    button("cet", "MEZ/MESZ", "CET/CEST", zonebutton, 0, 4),
    button("utc", "UTC", "UTC", zonebutton, 0, 4),
    button("seconds", "HH:MM:SS", "HH:MM:SS", secondsbutton, 0, 5),
    button("minutes", "HH:MM", "HH:MM", secondsbutton, 0, 5),
    button("dayback", "Tag -", "Day -", dayback, 1, 0),
    button("dayon", "Tag +", "Day +", dayon, 1, 1),
    button("font", "Font <->", "Font <->", font, 1, 2),
    printbutton(1, 4),
    okbutton(1, 5),
};

}  // namespace

const ToolDialogTable MoonPhaseDialog = {
    .name = "moon_phase",
    .templateid = 105,
    .icon = "moon",
    .width = 380,
    .height = 315,
    .german = "Mondphasen berechnen",
    .english = "Moon Phase Calculation",
    .controls = dialogcontrols,
    .wikigerman = "https://de.wikipedia.org/wiki/Mondphase",
    .wikienglish = "https://en.wikipedia.org/wiki/Lunar_phase",
    .calculate = calculate,
    .opening = opening,
    .closing = closing,
};

}  // namespace quendal
