// Option parsing of quendal-report; see cli.h.
#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "calendar/calendar.h"
#include "calendar/text.h"
#include "cli/cli.h"

namespace quendal::cli {

namespace {

std::vector<Subcommand>& registry() {
  static std::vector<Subcommand> commands;
  return commands;
}

bool isdigit(char c) { return c >= '0' && c <= '9'; }

// [+-]digits, or with decimals [+-]digits[.digits] / [+-].digits
bool isnumeral(const std::string& text, bool decimals) {
  std::size_t i = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
  bool digit = false, point = false;
  for (; i < text.size(); ++i) {
    if (isdigit(text[i]))
      digit = true;
    else if (text[i] == '.' && decimals && !point)
      point = true;
    else
      return false;
  }
  return digit;
}

}  // namespace

UsageError refusal(const std::string& option, const std::string& problem, const std::string& valid) {
  return UsageError("--" + option + ": " + problem + (valid.empty() ? "" : " (valid: " + valid + ")"));
}

SubcommandRegistration::SubcommandRegistration(const Subcommand& command) { registry().push_back(command); }

const std::vector<Subcommand>& subcommands() { return registry(); }

std::vector<std::string> optionnames(const std::string& usage) {
  std::vector<std::string> names;
  for (std::size_t i = usage.find("--"); i != std::string::npos; i = usage.find("--", i + 2)) {
    std::size_t end = i + 2;
    while (end < usage.size() &&
           ((usage[end] >= 'a' && usage[end] <= 'z') || isdigit(usage[end]) || (usage[end] == '-' && end > i + 2)))
      ++end;
    if (end > i + 2 && (i == 0 || usage[i - 1] != '-')) names.push_back(usage.substr(i + 2, end - i - 2));
  }
  return names;
}

long long parseinteger(const std::string& option, const std::string& text) {
  errno = 0;
  char* end = nullptr;
  const long long v = isnumeral(text, false) ? std::strtoll(text.c_str(), &end, 10) : 0;
  if (!isnumeral(text, false) || errno == ERANGE || v > 2147483647LL || v < -2147483647LL)
    throw refusal(option, "'" + text + "' is not a whole number");
  return v;
}

double parsenumber(const std::string& option, const std::string& text) {
  errno = 0;
  const double v = isnumeral(text, true) ? std::strtod(text.c_str(), nullptr) : 0.0;
  if (!isnumeral(text, true) || errno == ERANGE || !std::isfinite(v))
    throw refusal(option, "'" + text + "' is not a number");
  return v;
}

CivilDate parsedate(const std::string& option, const std::string& text) {
  // [-]Y-M-D with decimal fields.
  const auto fail = [&]() { return refusal(option, "'" + text + "' is not a date", "Y-M-D, e.g. 2024-03-15"); };
  CivilDate d;
  const std::size_t start = (!text.empty() && text[0] == '-') ? 1 : 0;
  const std::size_t p1 = text.find('-', start);
  const std::size_t p2 = p1 == std::string::npos ? p1 : text.find('-', p1 + 1);
  if (p1 == std::string::npos || p2 == std::string::npos || text.find('-', p2 + 1) != std::string::npos) throw fail();
  const std::string parts[3] = {text.substr(0, p1), text.substr(p1 + 1, p2 - p1 - 1), text.substr(p2 + 1)};
  for (const std::string& p : parts)
    if (!isnumeral(p, false) || p[0] == '+' || (p[0] == '-' && &p != &parts[0]) || p.size() > 6) throw fail();
  d.year = std::atoi(parts[0].c_str());
  d.month = std::atoi(parts[1].c_str());
  d.day = std::atoi(parts[2].c_str());
  return d;
}

ClockTime parsetime(const std::string& option, const std::string& text) {
  const auto fail = [&]() { return refusal(option, "'" + text + "' is not a time of day", "HH:MM or HH:MM:SS"); };
  int fields[3] = {0, 0, 0};
  int count = 0;
  std::size_t pos = 0;
  while (true) {
    const std::size_t colon = text.find(':', pos);
    const std::string part = text.substr(pos, colon == std::string::npos ? std::string::npos : colon - pos);
    if (count == 3 || part.empty() || part.size() > 2 || !isnumeral(part, false) || !isdigit(part[0])) throw fail();
    fields[count++] = std::atoi(part.c_str());
    if (colon == std::string::npos) break;
    pos = colon + 1;
  }
  if (count < 2 || fields[0] > 23 || fields[1] > 59 || fields[2] > 59) throw fail();
  return {fields[0], fields[1], fields[2]};
}

std::string datetext(const CivilDate& d) { return strprintf("%d-%02d-%02d", d.year, d.month, d.day); }

void checkcalendardate(const std::string& option, const CivilDate& d, int first, int last) {
  const std::string years = strprintf("dates of the years %d..%d", first, last);
  if (d.year < first || d.year > last) throw refusal(option, strprintf("the year %d is out of range", d.year), years);
  if (dayofweek(d.day, d.month, d.year) <= 0) {
    const bool reform = d.year == 1582 && d.month == 10 && d.day >= 5 && d.day <= 14;
    throw refusal(option,
                  datetext(d) + (reform ? " does not exist (the calendar reform skipped 5..14 October 1582)"
                                        : " is not a date of the calendar"),
                  years);
  }
}

Options::Options(std::string command, std::vector<std::string> args) : command_(std::move(command)) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.size() < 3 || a.compare(0, 2, "--") != 0)
      throw UsageError("'" + a + "': unexpected argument (options begin with --, see quendal-report " + command_ +
                       " --help)");
    Item item;
    const std::size_t eq = a.find('=');
    if (eq != std::string::npos) {
      item.name = a.substr(2, eq - 2);
      item.value = a.substr(eq + 1);
      item.hasvalue = true;
    } else {
      item.name = a.substr(2);
      // A following word that is not an option is this option's value; a
      // negative number counts as a value.
      if (i + 1 < args.size()) {
        const std::string& next = args[i + 1];
        const bool isoption = next.size() >= 2 && next[0] == '-' && next[1] == '-';
        if (!isoption) {
          item.value = next;
          item.hasvalue = true;
          ++i;
        }
      }
    }
    for (const Item& other : items_)
      if (other.name == item.name) throw refusal(item.name, "given twice");
    items_.push_back(item);
  }
}

std::vector<std::string> Options::names() const {
  std::vector<std::string> names;
  for (const Item& item : items_) names.push_back(item.name);
  return names;
}

Options::Item* Options::find(const char* name) {
  for (Item& item : items_)
    if (item.name == name) return &item;
  return nullptr;
}

const Options::Item* Options::find(const char* name) const {
  for (const Item& item : items_)
    if (item.name == name) return &item;
  return nullptr;
}

bool Options::has(const char* name) const { return find(name) != nullptr; }

bool Options::flag(const char* name) {
  Item* item = find(name);
  if (item == nullptr) return false;
  if (item->hasvalue) throw refusal(item->name, "takes no value ('" + item->value + "' given)");
  item->used = true;
  return true;
}

std::string Options::value(const char* name) {
  Item* item = find(name);
  if (item == nullptr) throw refusal(name, "missing (see quendal-report " + command_ + " --help)");
  if (!item->hasvalue) throw refusal(item->name, "needs a value");
  item->used = true;
  return item->value;
}

std::string Options::text(const char* name, const std::string& fallback) { return has(name) ? value(name) : fallback; }
std::string Options::requiredtext(const char* name) { return value(name); }

long long Options::integer(const char* name, long long fallback) {
  return has(name) ? parseinteger(name, value(name)) : fallback;
}
long long Options::requiredinteger(const char* name) { return parseinteger(name, value(name)); }

long long Options::integer(const char* name, long long fallback, long long first, long long last) {
  return has(name) ? requiredinteger(name, first, last) : fallback;
}

long long Options::requiredinteger(const char* name, long long first, long long last) {
  const long long v = requiredinteger(name);
  if (v < first || v > last)
    throw refusal(name, std::to_string(v) + " is out of range", std::to_string(first) + ".." + std::to_string(last));
  return v;
}

double Options::number(const char* name, double fallback) {
  return has(name) ? parsenumber(name, value(name)) : fallback;
}
double Options::requirednumber(const char* name) { return parsenumber(name, value(name)); }

CivilDate Options::date(const char* name, const CivilDate& fallback) {
  return has(name) ? parsedate(name, value(name)) : fallback;
}
CivilDate Options::requireddate(const char* name) { return parsedate(name, value(name)); }

CivilDate Options::calendardate(const char* name, const CivilDate& fallback, int first, int last) {
  const CivilDate d = date(name, fallback);
  checkcalendardate(name, d, first, last);
  return d;
}

ClockTime Options::time(const char* name, const ClockTime& fallback) {
  return has(name) ? parsetime(name, value(name)) : fallback;
}
ClockTime Options::requiredtime(const char* name) { return parsetime(name, value(name)); }

ClockTime minutetime(Options& o, const GlobalOptions& g) {
  const ClockTime t = o.time("time", {g.now.hour, g.now.minute, 0});
  if (t.second != 0)
    throw refusal("time",
                  strprintf("%02d:%02d:%02d has seconds, which this report does not take", t.hour, t.minute, t.second),
                  "HH:MM");
  return t;
}

DateTimeOption datetimeoption(Options& o, const GlobalOptions& g, int first, int last) {
  const CivilDate date = o.calendardate("date", g.today, first, last);
  return {date, minutetime(o, g)};
}

void Options::finish() const {
  for (const Item& item : items_)
    if (!item.used)
      throw refusal(item.name, "not used with the other options given (see quendal-report " + command_ + " --help)");
}

}  // namespace quendal::cli
