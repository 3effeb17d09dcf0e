// Option parsing of quendal-report; see cli.h.
#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "cli/cli.h"

namespace quendal::cli {

namespace {

std::vector<Subcommand>& registry() {
  static std::vector<Subcommand> commands;
  return commands;
}

}  // namespace

SubcommandRegistration::SubcommandRegistration(const Subcommand& command) {
  registry().push_back(command);
}

const std::vector<Subcommand>& subcommands() { return registry(); }

long long parseinteger(const std::string& option, const std::string& text) {
  errno = 0;
  char* end = nullptr;
  const long long v = std::strtoll(text.c_str(), &end, 10);
  if (text.empty() || end == text.c_str() || *end != '\0' || errno == ERANGE || v > 2147483647LL ||
      v < -2147483647LL)
    throw UsageError("--" + option + ": '" + text + "' is not a whole number");
  return v;
}

double parsenumber(const std::string& option, const std::string& text) {
  errno = 0;
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (text.empty() || end == text.c_str() || *end != '\0' || errno == ERANGE || !std::isfinite(v))
    throw UsageError("--" + option + ": '" + text + "' is not a number");
  return v;
}

CivilDate parsedate(const std::string& option, const std::string& text) {
  // [-]Y-M-D with decimal fields.
  CivilDate d;
  std::size_t start = (!text.empty() && text[0] == '-') ? 1 : 0;
  const std::size_t p1 = text.find('-', start);
  const std::size_t p2 = p1 == std::string::npos ? p1 : text.find('-', p1 + 1);
  if (p1 == std::string::npos || p2 == std::string::npos || text.find('-', p2 + 1) != std::string::npos)
    throw UsageError("--" + option + ": '" + text + "' is not a date of the form Y-M-D");
  try {
    d.year = static_cast<int>(parseinteger(option, text.substr(0, p1)));
    d.month = static_cast<int>(parseinteger(option, text.substr(p1 + 1, p2 - p1 - 1)));
    d.day = static_cast<int>(parseinteger(option, text.substr(p2 + 1)));
  } catch (const UsageError&) {
    throw UsageError("--" + option + ": '" + text + "' is not a date of the form Y-M-D");
  }
  return d;
}

ClockTime parsetime(const std::string& option, const std::string& text) {
  ClockTime t;
  int fields[3] = {0, 0, 0};
  int count = 0;
  std::size_t pos = 0;
  while (count < 3) {
    const std::size_t colon = text.find(':', pos);
    const std::string part = text.substr(pos, colon == std::string::npos ? std::string::npos : colon - pos);
    bool digits = !part.empty() && part.size() <= 2;
    for (char c : part) digits = digits && c >= '0' && c <= '9';
    if (!digits) throw UsageError("--" + option + ": '" + text + "' is not a time of the form HH:MM[:SS]");
    fields[count++] = std::atoi(part.c_str());
    if (colon == std::string::npos) break;
    pos = colon + 1;
    if (count == 3) throw UsageError("--" + option + ": '" + text + "' is not a time of the form HH:MM[:SS]");
  }
  if (count < 2) throw UsageError("--" + option + ": '" + text + "' is not a time of the form HH:MM[:SS]");
  t.hour = fields[0];
  t.minute = fields[1];
  t.second = fields[2];
  if (t.hour > 23 || t.minute > 59 || t.second > 59)
    throw UsageError("--" + option + ": '" + text + "' is not a time of day");
  return t;
}

Options::Options(std::string command, std::vector<std::string> args) : command_(std::move(command)) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.size() < 3 || a.compare(0, 2, "--") != 0)
      throw UsageError(command_ + ": unexpected argument '" + a + "'");
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
      if (other.name == item.name) throw UsageError(command_ + ": --" + item.name + " given twice");
    items_.push_back(item);
  }
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
  if (item->hasvalue) throw UsageError(command_ + ": --" + item->name + " takes no value");
  item->used = true;
  return true;
}

std::string Options::value(const char* name) {
  Item* item = find(name);
  if (item == nullptr) throw UsageError(command_ + ": --" + std::string(name) + " is required");
  if (!item->hasvalue) throw UsageError(command_ + ": --" + item->name + " needs a value");
  item->used = true;
  return item->value;
}

std::string Options::text(const char* name, const std::string& fallback) {
  return has(name) ? value(name) : fallback;
}
std::string Options::requiredtext(const char* name) { return value(name); }

long long Options::integer(const char* name, long long fallback) {
  return has(name) ? parseinteger(name, value(name)) : fallback;
}
long long Options::requiredinteger(const char* name) { return parseinteger(name, value(name)); }

double Options::number(const char* name, double fallback) {
  return has(name) ? parsenumber(name, value(name)) : fallback;
}
double Options::requirednumber(const char* name) { return parsenumber(name, value(name)); }

CivilDate Options::date(const char* name, const CivilDate& fallback) {
  return has(name) ? parsedate(name, value(name)) : fallback;
}
CivilDate Options::requireddate(const char* name) { return parsedate(name, value(name)); }

ClockTime Options::time(const char* name, const ClockTime& fallback) {
  return has(name) ? parsetime(name, value(name)) : fallback;
}
ClockTime Options::requiredtime(const char* name) { return parsetime(name, value(name)); }

void Options::finish() const {
  for (const Item& item : items_)
    if (!item.used) throw UsageError(command_ + ": unknown option --" + item.name);
}

}  // namespace quendal::cli
