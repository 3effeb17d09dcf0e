// The controls several tool dialogs share, as table entries: date and time
// fields, the zone, the observer's place, and the common buttons.
#pragma once

#include "ui/tool_dialog.h"

namespace quendal::controls {

constexpr ControlSpec field(const char* key, const char* german, const char* english, int maxlength, int minimum,
                            int maximum, int value, int row, int column) {
  return {.kind = Control::field,
          .key = key,
          .german = german,
          .english = english,
          .maxlength = maxlength,
          .minimum = minimum,
          .maximum = maximum,
          .value = value,
          .row = row,
          .column = column};
}

constexpr ControlSpec signedfield(const char* key, const char* german, const char* english, int maxlength, int minimum,
                                  int maximum, int value, int row, int column) {
  ControlSpec c = field(key, german, english, maxlength, minimum, maximum, value, row, column);
  c.kind = Control::signedfield;
  return c;
}

constexpr ControlSpec yearfield(int minimum, int maximum, int row, int column, Initial initial = Initial::todayyear) {
  return {.kind = Control::field,
          .key = "year",
          .german = "Jahr:",
          .english = "Year:",
          .maxlength = 4,
          .minimum = minimum,
          .maximum = maximum,
          .initial = initial,
          .year = true,
          .row = row,
          .column = column};
}

constexpr ControlSpec monthfield(int row, int column) {
  return {.kind = Control::field,
          .key = "month",
          .german = "Monat:",
          .english = "Month:",
          .minimum = 1,
          .maximum = 12,
          .initial = Initial::todaymonth,
          .row = row,
          .column = column};
}

constexpr ControlSpec dayfield(int row, int column) {
  return {.kind = Control::field,
          .key = "day",
          .german = "Tag:",
          .english = "Day:",
          .minimum = 1,
          .maximum = 31,
          .initial = Initial::todayday,
          .row = row,
          .column = column};
}

constexpr ControlSpec hourfield(int row, int column, Initial initial = Initial::todayhour, int value = 0) {
  return {.kind = Control::field,
          .key = "hour",
          .german = "Stunde:",
          .english = "Hour:",
          .minimum = 0,
          .maximum = 23,
          .initial = initial,
          .value = value,
          .row = row,
          .column = column};
}

constexpr ControlSpec minutefield(int row, int column) {
  return {.kind = Control::field,
          .key = "minute",
          .german = "Minute:",
          .english = "Minute:",
          .minimum = 0,
          .maximum = 59,
          .initial = Initial::todayminute,
          .row = row,
          .column = column};
}

constexpr ControlSpec zonefield(int row, int column, Initial initial = Initial::dialogzone) {
  return {.kind = Control::signedfield,
          .key = "zone",
          .german = "Zone:",
          .english = "Zone:",
          .maxlength = 3,
          .minimum = -12,
          .maximum = 12,
          .initial = initial,
          .row = row,
          .column = column};
}

constexpr ControlSpec check(const char* key, const char* german, const char* english, int value, int row, int column,
                            int span = 2) {
  return {.kind = Control::check,
          .key = key,
          .german = german,
          .english = english,
          .value = value,
          .row = row,
          .column = column,
          .span = span};
}

constexpr ControlSpec halfzone(int row, int column) { return check("half", "1/2 Zone", "1/2 Zone", 0, row, column); }

// The observer's place: degrees and minutes of latitude and longitude, the
// two hemisphere pairs. The fields start empty: the report loads the first
// configured place into them.
constexpr ControlSpec latitudefield(int row, int column) {
  return {.kind = Control::field,
          .key = "latitude",
          .german = "Breitengrad:",
          .english = "Latitude:",
          .minimum = 0,
          .maximum = 90,
          .initial = Initial::empty,
          .row = row,
          .column = column};
}
constexpr ControlSpec latitudeminutes(int row, int column) {
  return {.kind = Control::field,
          .key = "latitudeminutes",
          .german = "Minuten:",
          .english = "Minutes:",
          .minimum = 0,
          .maximum = 59,
          .initial = Initial::empty,
          .germanname = "Breitengrad Minuten",
          .englishname = "Latitude Minutes",
          .row = row,
          .column = column};
}
constexpr ControlSpec longitudefield(int row, int column) {
  return {.kind = Control::field,
          .key = "longitude",
          .german = "Längengrad:",
          .english = "Longitude:",
          .maxlength = 3,
          .minimum = 0,
          .maximum = 180,
          .initial = Initial::empty,
          .row = row,
          .column = column};
}
constexpr ControlSpec longitudeminutes(int row, int column) {
  return {.kind = Control::field,
          .key = "longitudeminutes",
          .german = "Minuten:",
          .english = "Minutes:",
          .minimum = 0,
          .maximum = 59,
          .initial = Initial::empty,
          .germanname = "Längengrad Minuten",
          .englishname = "Longitude Minutes",
          .row = row,
          .column = column};
}
constexpr ControlSpec northsouth(int row, int column, const char* germanname = nullptr,
                                 const char* englishname = nullptr, const char* key = "north") {
  return {.kind = Control::pair,
          .key = key,
          .german = "Nord",
          .english = "North",
          .value = 1,
          .germansecond = "Süd",
          .englishsecond = "South",
          .germanname = germanname,
          .englishname = englishname,
          .row = row,
          .column = column,
          .span = 2};
}
constexpr ControlSpec eastwest(int row, int column, const char* germanname = nullptr, const char* englishname = nullptr,
                               const char* key = "east") {
  return {.kind = Control::pair,
          .key = key,
          .german = "Ost",
          .english = "East",
          .value = 1,
          .germansecond = "West",
          .englishsecond = "West",
          .germanname = germanname,
          .englishname = englishname,
          .row = row,
          .column = column,
          .span = 2};
}

constexpr ControlSpec button(const char* key, const char* german, const char* english, ToolAction action, int row,
                             int column, int span = 1) {
  return {.kind = Control::button,
          .key = key,
          .german = german,
          .english = english,
          .row = row,
          .column = column,
          .span = span,
          .action = action};
}

constexpr ControlSpec fieldbutton(const char* key, const char* german, const char* english, ToolAction action, int row,
                                  int column = -1) {
  return {.kind = Control::fieldbutton,
          .key = key,
          .german = german,
          .english = english,
          .row = row,
          .column = column,
          .action = action};
}

constexpr ControlSpec text(const char* key, const char* german, const char* english, int row, int column,
                           int span = 1) {
  return {.kind = Control::text,
          .key = key,
          .german = german,
          .english = english,
          .row = row,
          .column = column,
          .span = span};
}

constexpr ControlSpec okbutton(int row, int column) { return button("ok", "OK", "OK", toolsteps::close, row, column); }
constexpr ControlSpec printbutton(int row, int column) {
  return button("print", "Drucken...", "Print...", toolsteps::print, row, column);
}

}  // namespace quendal::controls
