// The date, time and zone fields of the instant-based tool dialogs ("year",
// "month", "day", "hour", "minute", "zone", "half").
#pragma once

#include "ui/tool_dialog.h"

namespace quendal {

// The fields as entered, into a report's inputs; half names the inputs'
// half-hour member.
template <class Inputs>
void readdatetime(const ToolDialog& dialog, Inputs& in, int Inputs::*half) {
  in.year = dialog.number("year");
  in.month = dialog.number("month");
  in.day = dialog.number("day");
  in.hour = dialog.number("hour");
  in.minute = dialog.number("minute");
  in.zone = dialog.number("zone");
  in.*half = dialog.checked("half") ? 1 : 0;
}

// The report's corrected inputs back into the fields; the date becomes the
// dialog date the day buttons step from. A year field still being typed
// keeps what was typed.
template <class Inputs>
void writedatetime(ToolDialog& dialog, const Inputs& c, int Inputs::*half) {
  dialog.date = {c.year, c.month, c.day};
  if (dialog.yearcomplete("year")) dialog.setnumber("year", c.year);
  dialog.setnumber("month", c.month);
  dialog.setnumber("day", c.day);
  dialog.setnumber("hour", c.hour);
  dialog.setnumber("minute", c.minute);
  dialog.setnumber("zone", c.zone);
  dialog.setchecked("half", c.*half != 0);
}

}  // namespace quendal
