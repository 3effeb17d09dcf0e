// quendal-report holidays: the holiday table of a year as data, one entry per
// row, as an aligned text table or a JSON document.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "calendar/calendar.h"
#include "calendar/holidays.h"
#include "calendar/text.h"
#include "cli/calendar_json.h"
#include "cli/cli.h"
#include "cli/json_output.h"
#include "cli/read_configuration.h"

namespace quendal::cli {
namespace {

// The rows of the year (not the following year's block), by date; rows of
// one date in the table's order.
std::vector<const HolidayEntry*> rowsofyear(const HolidayTable& table, int year) {
  std::vector<const HolidayEntry*> rows;
  for (const HolidayEntry& e : table)
    if (e.day != 0 && e.year == year) rows.push_back(&e);
  std::stable_sort(rows.begin(), rows.end(), [](const HolidayEntry* a, const HolidayEntry* b) {
    return a->month != b->month ? a->month < b->month : a->day < b->day;
  });
  return rows;
}

std::string rowdate(const HolidayEntry& row) { return isodate({row.year, row.month, row.day}); }

// The date, its weekday and the row.
Json jsonrow(const HolidayEntry& row, Language language) {
  Json entry = jsondate({row.year, row.month, row.day}, language);
  entry.update(jsonholiday(row, language));
  return entry;
}

std::string json(int year, const std::vector<const HolidayEntry*>& rows, Language language) {
  Json inputs;
  inputs["year"] = year;
  inputs["language"] = languagekey(language);
  Json document = jsondocument("holidays", inputs);
  Json entries = Json::array();
  for (const HolidayEntry* row : rows) entries.push_back(jsonrow(*row, language));
  document["holidays"] = entries;
  return jsontext(document);
}

// The lines of a table, each column but the last padded to its widest cell
// and two blanks.
std::string aligned(const std::vector<std::vector<std::string>>& lines) {
  std::vector<std::size_t> widths;
  for (const auto& cells : lines)
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (widths.size() <= i) widths.push_back(0);
      widths[i] = std::max(widths[i], utf8length(cells[i]));
    }
  std::string text;
  for (const auto& cells : lines) {
    std::string line;
    for (std::size_t i = 0; i + 1 < cells.size(); ++i) line += padright(cells[i], widths[i] + 2);
    text += line + cells.back() + "\n";
  }
  return text;
}

std::string text(const std::vector<const HolidayEntry*>& rows, Language language) {
  const bool en = language == english;
  std::vector<std::vector<std::string>> lines = {
      {en ? "Date" : "Datum", en ? "Weekday" : "Wochentag", en ? "Kind" : "Art", en ? "Easter" : "Ostern", "Name"}};
  for (const HolidayEntry* row : rows) {
    std::string kind = holidaykindtext(*row, language);
    if (*row->country != '\0') kind += std::string(" ") + row->country;
    const std::optional<int> easter = easteroffset(*row);
    lines.push_back({rowdate(*row), weekdayname(dayofweek(row->day, row->month, row->year), language), kind,
                     easter ? strprintf("%+d", *easter) : "", holidayname(*row, language)});
  }
  return aligned(lines);
}

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  const int year = static_cast<int>(o.integer("year", g.today.year, firstgregorianyear, lastcalendaryear));
  loadconfiguration(state, g);  // its language line applies, unless --lang is given
  const Language language = state.language();
  const HolidayTable table = buildholidays(year);
  const std::vector<const HolidayEntry*> rows = rowsofyear(table, year);
  return g.format == OutputFormat::json ? json(year, rows, language) : text(rows, language);
}

const SubcommandRegistration registration({
    "holidays",
    "the holiday table of a year: date, weekday, names, kind, Easter",
    "usage: quendal-report [GLOBAL OPTIONS] holidays [--year Y] [--format text|json]\n"
    "\n"
    "  --year Y             1583..9999; default: this year\n"
    "  --format text|json   text: one line per row (default); json: one document\n"
    "                       (json.md of the documentation)\n"
    "\n"
    "One entry per row of the year's holiday table, by date: the date, the\n"
    "weekday, the kind (public holiday, regional holiday, national day with its\n"
    "country's ISO 3166 code, named day, summer-time change), the days from\n"
    "Easter Sunday of the movable feasts, and the name in the language.\n",
    run,
    false,
    {},
    Subcommand::JsonForm::document,
});

}  // namespace
}  // namespace quendal::cli
