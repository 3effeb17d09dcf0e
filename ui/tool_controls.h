// The controls several tool dialogs share, as table entries: date and time
// fields, the zone, the observer's place, and the common buttons. Each helper
// makes the control; the table places it: monthfield().at(0, 2).
#pragma once

#include "ui/tool_dialog.h"

namespace quendal::controls {

// The greatest values of the fields (the least are 1 for months and days,
// 0 for the others, -maxzone for the zone).
constexpr int maxmonth = 12;
constexpr int maxday = 31;
constexpr int maxhour = 23;
constexpr int maxminute = 59;  // minutes and seconds, of time and of arc
constexpr int maxzone = 12;    // hours east (or west) of UTC
constexpr int maxlatitude = 90;
constexpr int maxlongitude = 180;

// ---- Any control of a kind

constexpr ControlSpec check(const char* key, Bilingual label) {
  return {.kind = Control::check, .key = key, .label = label, .span = 2};
}

constexpr ControlSpec button(const char* key, Bilingual label, ToolAction action) {
  return {.kind = Control::button, .key = key, .label = label, .action = action};
}

constexpr ControlSpec fieldbutton(const char* key, Bilingual label, ToolAction action) {
  return {.kind = Control::fieldbutton, .key = key, .label = label, .action = action};
}

constexpr ControlSpec text(const char* key, Bilingual label) {
  return {.kind = Control::text, .key = key, .label = label};
}

// ---- Date, time and zone

constexpr ControlSpec yearfield(YearRange years) {
  return {.kind = Control::field,
          .key = "year",
          .label = {"Jahr:", "Year:"},
          .maxlength = 4,
          .minimum = years.first,
          .maximum = years.last,
          .initial = Initial::todayyear,
          .year = true};
}

constexpr ControlSpec monthfield() {
  return {.kind = Control::field,
          .key = "month",
          .label = {"Monat:", "Month:"},
          .minimum = 1,
          .maximum = maxmonth,
          .initial = Initial::todaymonth};
}

constexpr ControlSpec dayfield() {
  return {.kind = Control::field,
          .key = "day",
          .label = {"Tag:", "Day:"},
          .minimum = 1,
          .maximum = maxday,
          .initial = Initial::todayday};
}

constexpr ControlSpec hourfield() {
  return {.kind = Control::field,
          .key = "hour",
          .label = {"Stunde:", "Hour:"},
          .minimum = 0,
          .maximum = maxhour,
          .initial = Initial::todayhour};
}

constexpr ControlSpec minutefield() {
  return {.kind = Control::field,
          .key = "minute",
          .label = {"Minute:", "Minute:"},
          .minimum = 0,
          .maximum = maxminute,
          .initial = Initial::todayminute};
}

// Hours east of UTC; by default the zone of today in the dialog's language
// (dialogzone).
constexpr ControlSpec zonefield(Initial initial = Initial::dialogzone) {
  return {.kind = Control::signedfield,
          .key = "zone",
          .label = {"Zone:", "Zone:"},
          .maxlength = 3,
          .minimum = -maxzone,
          .maximum = maxzone,
          .initial = initial};
}

constexpr ControlSpec halfzone() { return check("half", {"1/2 Zone", "1/2 Zone"}); }

// ---- The observer's place
//
// Degrees and minutes of latitude and longitude, the two hemisphere pairs.
// The fields start empty: the report loads the first configured place into
// them.

constexpr ControlSpec latitudefield() {
  return {.kind = Control::field,
          .key = "latitude",
          .label = {"Breitengrad:", "Latitude:"},
          .minimum = 0,
          .maximum = maxlatitude,
          .initial = Initial::empty};
}

constexpr ControlSpec latitudeminutes() {
  return {.kind = Control::field,
          .key = "latitudeminutes",
          .label = {"Minuten:", "Minutes:"},
          .minimum = 0,
          .maximum = maxminute,
          .initial = Initial::empty,
          .name = {"Breitengrad Minuten", "Latitude Minutes"}};
}

constexpr ControlSpec longitudefield() {
  return {.kind = Control::field,
          .key = "longitude",
          .label = {"Längengrad:", "Longitude:"},
          .maxlength = 3,
          .minimum = 0,
          .maximum = maxlongitude,
          .initial = Initial::empty};
}

constexpr ControlSpec longitudeminutes() {
  return {.kind = Control::field,
          .key = "longitudeminutes",
          .label = {"Minuten:", "Minutes:"},
          .minimum = 0,
          .maximum = maxminute,
          .initial = Initial::empty,
          .name = {"Längengrad Minuten", "Longitude Minutes"}};
}

// The hemisphere pairs, north and east checked.
constexpr ControlSpec northsouth(const char* key = "north") {
  return {
      .kind = Control::pair, .key = key, .label = {"Nord", "North"}, .value = 1, .second = {"Süd", "South"}, .span = 2};
}

constexpr ControlSpec eastwest(const char* key = "east") {
  return {
      .kind = Control::pair, .key = key, .label = {"Ost", "East"}, .value = 1, .second = {"West", "West"}, .span = 2};
}

// ---- A place to the second of arc
//
// Degrees, minutes and seconds of a latitude or longitude (the sky chart's
// position, the two places of the distance), starting at 0; named for
// screen readers, since the labels repeat.

constexpr ControlSpec latitudedegrees(const char* key, Bilingual name) {
  return {.kind = Control::field,
          .key = key,
          .label = {"Grad:", "Deg.:"},
          .minimum = 0,
          .maximum = maxlatitude,
          .name = name};
}

constexpr ControlSpec longitudedegrees(const char* key, Bilingual name) {
  return {.kind = Control::field,
          .key = key,
          .label = {"Grad:", "Deg.:"},
          .maxlength = 3,
          .minimum = 0,
          .maximum = maxlongitude,
          .name = name};
}

constexpr ControlSpec arcminutes(const char* key, Bilingual name) {
  return {.kind = Control::field,
          .key = key,
          .label = {"Minute:", "Minute:"},
          .minimum = 0,
          .maximum = maxminute,
          .name = name};
}

constexpr ControlSpec arcseconds(const char* key, Bilingual name) {
  return {.kind = Control::field,
          .key = key,
          .label = {"Sekunde:", "Second:"},
          .minimum = 0,
          .maximum = maxminute,
          .name = name};
}

// ---- The common buttons

constexpr ControlSpec okbutton() { return button("ok", {"OK", "OK"}, toolsteps::close); }
constexpr ControlSpec printbutton() { return button("print", {"Drucken...", "Print..."}, toolsteps::print); }

}  // namespace quendal::controls
