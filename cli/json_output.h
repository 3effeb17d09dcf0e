// The JSON form of the reports (--format json, jsonl), written with
// nlohmann-json. The conventions (docs/json.md): keys in snake_case; every
// document begins with "format_version", "subcommand" and "inputs" (the
// inputs in effect, defaults filled in); instants as ISO 8601 local time
// with its offset plus the same instant in UTC under the key with "_utc";
// the zone once per document; angles in decimal degrees; distances with
// their unit in the key; what the text calls none is null. Dates are civil
// dates as in the text reports: the Julian calendar before 15 October 1582.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "calendar/calendar.h"
#include "cli/cli.h"

namespace quendal::cli {

// The keys stay in the order written.
using Json = nlohmann::ordered_json;

constexpr int jsonformatversion = 1;

// A new document: {"format_version": 1, "subcommand": ..., "inputs": ...}.
Json jsondocument(const std::string& subcommand, Json inputs);

// The document as printed: indented by two blanks, UTF-8, a final line end.
std::string jsontext(const Json& document);
// One object of a JSON-lines stream: one line with its line end.
std::string jsonline(const Json& object);

// "2024-03-15", "0100-01-10", "-0500-03-01": a civil date with four digits
// of the year (a sign before a year before 1).
std::string isodate(const CivilDate& date);
// "+01:00", "-03:30", "+00:00" for an offset east of UTC in seconds.
std::string isooffset(int offsetseconds);
// "2024-03-15T10:30:00+01:00": a local date and time with its offset.
std::string isolocal(const CivilDate& date, const ClockTime& time, int offsetseconds);
// The instant of a Julian Day (UT), to the nearest second: as local time
// with the offset ("...+01:00") and in UTC ("...Z").
std::string isolocal(double jdut, int offsetseconds);
std::string isoutc(double jdut);
// object[key] = the instant as local time, object[key + "_utc"] = in UTC;
// both null for none.
void putinstant(Json& object, const std::string& key, std::optional<double> jdut, int offsetseconds);
// {"offset": "+01:00", "offset_hours": 1.0, "name": "Europe/Vienna" or null}.
Json jsonzone(int offsetseconds, const std::string& name = "");
// A place: {"name": ... or null, "latitude_deg": ..., "longitude_deg": ...}
// (north and east positive).
Json jsonplace(double latitude, double longitude, const std::string& name = "");

}  // namespace quendal::cli
