// quendal-report: the global options, the dispatch to a subcommand and the
// output; see cli.h.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "app/platform.h"
#include "calendar/calendar.h"
#include "calendar/encoding.h"
#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/read_configuration.h"

namespace quendal::cli {

namespace {

const char* const programintro =
    "usage: quendal-report [GLOBAL OPTIONS] SUBCOMMAND [OPTIONS]\n"
    "\n"
    "Prints the reports of Quendal, the calendar and astronomy calculator.\n"
    "\n";

const ProgramHelp programhelpparts_ = {
    "  --lang en|de|at      English, German or Austrian German\n"
    "                       (default: the configuration file's language line, else\n"
    "                       LC_ALL, LC_MESSAGES or LANG)\n"
    "  --today YYYY-MM-DD   the local date the reports call today, years 1583..9999\n"
    "                       (default: the clock)\n"
    "  --ini PATH           the configuration file (default: QUENDAL6.INI or\n"
    "                       QUENDAL5.INI in the working directory, else in\n"
    "                       $XDG_CONFIG_HOME/quendal/, i.e. ~/.config/quendal/)\n"
    "  --format text|json|jsonl\n"
    "                       text: the reports (default); json: one JSON document\n"
    "                       (json.md of the documentation), for the subcommands\n"
    "                       that have one; jsonl: events only, one JSON object per\n"
    "                       line as found. May also follow the subcommand.\n"
    "  --crlf               keep the reports' CR LF line ends (default: LF)\n"
    "  --cp1252             write Windows-1252 bytes instead of UTF-8\n"
    "  --help               this text; SUBCOMMAND --help describes a subcommand\n"
    "  --version            the program's name and version\n",

    "  --date Y-M-D         a date (Julian calendar before 15 October 1582);\n"
    "                       default: today\n"
    "  --time HH:MM[:SS]    a time of day; default: now\n"
    "  --place N|NAME       a configured place by number (0 = the first, the\n"
    "                       default) or by name (case-insensitive, a unique\n"
    "                       beginning will do)\n"
    "  --lat LAT --lon LON  a place by coordinates, used as given (0:00N 0:00E\n"
    "                       too): decimal degrees, north and east positive\n"
    "                       (48.2 -16.37), or DD:MM[:SS] with N/S and E/W\n"
    "                       (48:12N 016:22:30E)\n"
    "  --zone Z             hours east of UTC: 1, -3.5, 5:30, +5:45, or auto\n"
    "                       (UTC+1, in European summer time UTC+2); a report that\n"
    "                       shows only whole or half hours refuses others\n"
    "  --tz NAME            an IANA time zone (Europe/Vienna, America/New_York),\n"
    "                       or local (the system's: TZ, else /etc/localtime):\n"
    "                       its offset at the report's date and time\n",

    "A value outside an option's range is refused, never changed: the message\n"
    "names the option and the valid values, and the exit status is 2 (1 when\n"
    "the output cannot be written).\n",
};

bool ishelp(const std::string& a) { return a == "--help" || a == "-h"; }

OutputFormat formatfromoption(const std::string& value) {
  if (value == "text") return OutputFormat::text;
  if (value == "json") return OutputFormat::json;
  if (value == "jsonl") return OutputFormat::jsonl;
  throw refusal("format", "'" + value + "' is not an output format", "text, json, jsonl");
}

// The subcommands with a JSON form of that kind, "a, b, c".
std::string jsonsubcommands(Subcommand::JsonForm least) {
  std::string names;
  for (const Subcommand& c : subcommands())
    if (c.json >= least) names += (names.empty() ? "" : ", ") + std::string(c.name);
  return names;
}

// Refuses a format the subcommand cannot print, and the text-only global
// options with JSON (always UTF-8 with LF line ends).
void checkformat(const Subcommand& command, const GlobalOptions& g) {
  if (g.format == OutputFormat::text) return;
  const bool lines = g.format == OutputFormat::jsonl;
  if (command.json == Subcommand::JsonForm::none || (lines && command.json != Subcommand::JsonForm::stream)) {
    const std::string others = jsonsubcommands(lines ? Subcommand::JsonForm::stream : Subcommand::JsonForm::document);
    throw refusal("format", std::string(lines ? "jsonl" : "json") + " is not available for " + command.name,
                  others.empty() ? "text" : "text; " + std::string(lines ? "jsonl" : "json") + " for " + others);
  }
  if (g.crlf || g.cp1252) throw refusal(g.crlf ? "crlf" : "cp1252", "JSON is written as UTF-8 with LF line ends");
}

int languagefromoption(const std::string& value) {
  if (value == "en") return 1033;
  if (value == "de") return 1031;
  if (value == "at") return 3079;
  throw refusal("lang", "'" + value + "' is not a language", "en, de, at");
}

// The clock: QUENDAL_NOW=YYYY-MM-DDTHH:MM (local time) fixes it, as for the
// desktop program.
std::time_t clockseconds() {
  const char* fixed = std::getenv("QUENDAL_NOW");
  int y = 0, mo = 0, d = 0, h = 0, mi = 0;
  if (fixed != nullptr && std::sscanf(fixed, "%d-%d-%dT%d:%d", &y, &mo, &d, &h, &mi) == 5) {
    std::tm tm{};
    tm.tm_year = y - 1900, tm.tm_mon = mo - 1, tm.tm_mday = d, tm.tm_hour = h, tm.tm_min = mi;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
  }
  return std::time(nullptr);
}

void setclock(GlobalOptions& g) {
  const std::time_t now = clockseconds();
  std::tm local{}, utc{};
  localtime_r(&now, &local);
  gmtime_r(&now, &utc);
  if (!g.todaygiven) g.today = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
  g.now = {local.tm_hour, local.tm_min, local.tm_sec};
  g.utctoday = g.todaygiven ? g.today : CivilDate{utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday};
  g.utcnow = {utc.tm_hour, utc.tm_min, utc.tm_sec};
}

// The text with a final line end (CR LF where the text's lines end so).
std::string withfinalnewline(std::string text) {
  if (!text.empty() && text.back() != '\n') text += text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
  return text;
}

void writeraw(const std::string& text) {
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
    throw WriteError(std::string("standard output: ") + std::strerror(errno));
}

const char* const globalnames[] = {"lang", "today", "ini", "crlf", "cp1252", "version"};
// A global option a subcommand takes too.
const char* const formatname = "format";

// Refuses options the subcommand does not know, before it runs.
void refuseunknown(const Subcommand& command, const Options& options) {
  const std::vector<std::string> known = optionnames(command.usage);
  for (const std::string& name : options.names()) {
    if (name == formatname) continue;
    for (const char* global : globalnames)
      if (name == global) throw refusal(name, "a global option: give it before the subcommand");
    bool found = false;
    for (const std::string& k : known) found = found || k == name;
    if (found) continue;
    throw refusal(name, std::string("unknown option (see quendal-report ") + command.name + " --help)");
  }
}

int run(const std::vector<std::string>& args, std::string& commandname) {
  GlobalOptions g;
  std::size_t i = 0;
  // The value of the global option args[i]: after '=' or the next word.
  auto globalvalue = [&](const std::string& name) -> std::string {
    const std::string& a = args[i];
    const std::size_t eq = a.find('=');
    if (eq != std::string::npos) return a.substr(eq + 1);
    if (i + 1 >= args.size() || args[i + 1].rfind("--", 0) == 0) throw refusal(name, "needs a value");
    return args[++i];
  };
  auto is = [&](const std::string& a, const char* name) {
    return a == std::string("--") + name || a.rfind(std::string("--") + name + "=", 0) == 0;
  };
  for (; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (ishelp(a)) {
      writeraw(programhelp());
      return 0;
    } else if (a == "--version") {
      writeraw("quendal-report (Quendal) " QUENDAL_VERSION "\n");
      return 0;
    } else if (is(a, "lang")) {
      g.languageid = languagefromoption(globalvalue("lang"));
      g.languagegiven = true;
    } else if (is(a, "today")) {
      g.today = parsedate("today", globalvalue("today"));
      checkcalendardate("today", g.today, 1583, 9999);
      g.todaygiven = true;
    } else if (is(a, "ini")) {
      g.ini = globalvalue("ini");
      checkinifile(g.ini);
    } else if (is(a, "format")) {
      g.format = formatfromoption(globalvalue("format"));
    } else if (is(a, "crlf") || is(a, "cp1252")) {
      const std::string name = a.substr(2, a.find('=') == std::string::npos ? std::string::npos : a.find('=') - 2);
      if (a.find('=') != std::string::npos) throw refusal(name, "takes no value");
      (name == "crlf" ? g.crlf : g.cp1252) = true;
    } else if (a.rfind('-', 0) == 0) {
      const std::size_t start = a.find_first_not_of('-');
      throw refusal(start == std::string::npos ? "" : a.substr(start, a.find('=') - start), "unknown global option",
                    "--lang, --today, --ini, --format, --crlf, --cp1252, --help, --version");
    } else {
      break;
    }
  }
  if (i >= args.size()) throw UsageError("no subcommand given (see quendal-report --help)");

  const std::string name = args[i];
  const Subcommand* command = nullptr;
  for (const Subcommand& c : subcommands())
    if (name == c.name) command = &c;
  if (command == nullptr) throw UsageError("'" + name + "': unknown subcommand (see quendal-report --help)");
  commandname = name;

  const std::vector<std::string> rest(args.begin() + static_cast<long>(i) + 1, args.end());
  for (const std::string& a : rest)
    if (ishelp(a)) {
      writeraw(command->usage);
      return 0;
    }

  setclock(g);
  ApplicationState state;
  state.userlanguage = g.languagegiven ? g.languageid : userdefaultlanguage();
  Options options(name, rest);
  if (options.has(formatname)) g.format = formatfromoption(options.requiredtext(formatname));
  checkformat(*command, g);
  refuseunknown(*command, options);
  const std::string text = withfinalnewline(command->run(state, g, options));
  options.finish();
  if (command->verbatim || g.format != OutputFormat::text)
    writeraw(text);
  else
    writeoutput(text, g);
  return 0;
}

}  // namespace

const ProgramHelp& programhelpparts() { return programhelpparts_; }

std::string programhelp() {
  const ProgramHelp& parts = programhelpparts_;
  std::string text = std::string(programintro) + "Global options (before the subcommand):\n" + parts.globaloptions +
                     "\nOptions of the subcommands, the same wherever they are taken:\n" + parts.commonoptions +
                     parts.refusals + "\nSubcommands:\n";
  for (const Subcommand& c : subcommands()) text += "  " + padright(c.name, 22) + c.summary + "\n";
  return text;
}

const std::vector<OptionValues>& sharedoptionvalues() {
  static const std::vector<OptionValues> values = {
      {"lang", "en de at"}, {"format", "text json jsonl"}, {"zone", "auto"}};
  return values;
}

void writeoutput(const std::string& text, const GlobalOptions& g) {
  std::string out;
  if (g.crlf) {
    out = text;
  } else {
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
      out += text[i];
    }
  }
  if (g.cp1252) out = utf8tocp1252(out);
  writeraw(out);
}

int runprogram(const std::vector<std::string>& args) {
  std::string command;
  try {
    return run(args, command);
  } catch (const UsageError& e) {
    std::fprintf(stderr, "quendal-report%s%s: %s\n", command.empty() ? "" : " ", command.c_str(), e.what());
    return 2;
  } catch (const WriteError& e) {
    std::fprintf(stderr, "quendal-report: write error: %s\n", e.what());
    return 1;
  }
}

}  // namespace quendal::cli
