// quendal-report: every report of the program, headless.
//
//   quendal-report [--lang en|de|at] [--today YYYY-MM-DD] [--ini PATH]
//                  [--crlf] [--cp1252] SUBCOMMAND [OPTIONS]
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/platform.h"
#include "calendar/calendar.h"
#include "calendar/encoding.h"
#include "calendar/text.h"
#include "cli/cli.h"

using namespace quendal;
using namespace quendal::cli;

namespace {

const char* const programusage =
    "usage: quendal-report [GLOBAL OPTIONS] SUBCOMMAND [OPTIONS]\n"
    "\n"
    "Prints the reports of Quendal, the calendar and astronomy calculator.\n"
    "\n"
    "Global options (before the subcommand):\n"
    "  --lang en|de|at      English, German or Austrian German\n"
    "                       (default: LC_ALL, LC_MESSAGES or LANG)\n"
    "  --today YYYY-MM-DD   the local date the reports call today (default: the clock)\n"
    "  --ini PATH           the configuration file to read instead of QUENDAL6.INI\n"
    "  --crlf               keep the reports' CR LF line ends (default: LF)\n"
    "  --cp1252             write Windows-1252 bytes instead of UTF-8\n"
    "  --help               this text; SUBCOMMAND --help describes a subcommand\n"
    "\n"
    "Subcommands:\n";

std::string programhelp() {
  std::string text = programusage;
  for (const Subcommand& c : subcommands()) {
    text += "  ";
    text += padright(c.name, 22);
    text += c.summary;
    text += "\n";
  }
  return text;
}

bool ishelp(const std::string& a) { return a == "--help" || a == "-h"; }

int languagefromoption(const std::string& value) {
  if (value == "en") return 1033;
  if (value == "de") return 1031;
  if (value == "at") return 3079;
  throw UsageError("--lang: '" + value + "' is not one of en, de, at");
}

void write(const std::string& text, const GlobalOptions& g) {
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
  std::fwrite(out.data(), 1, out.size(), stdout);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  GlobalOptions g;
  try {
    std::size_t i = 0;
    auto globalvalue = [&](const std::string& name) -> std::string {
      const std::string& a = args[i];
      const std::size_t eq = a.find('=');
      if (eq != std::string::npos) return a.substr(eq + 1);
      if (i + 1 >= args.size()) throw UsageError(name + " needs a value");
      return args[++i];
    };
    auto is = [&](const std::string& a, const char* name) {
      return a == name || a.rfind(std::string(name) + "=", 0) == 0;
    };
    for (; i < args.size(); ++i) {
      const std::string& a = args[i];
      if (ishelp(a)) {
        write(programhelp(), GlobalOptions{});
        return 0;
      } else if (is(a, "--lang")) {
        g.languageid = languagefromoption(globalvalue("--lang"));
        g.languagegiven = true;
      } else if (is(a, "--today")) {
        const std::string v = globalvalue("--today");
        g.today = parsedate("today", v);
        if (g.today.year < 1583 || g.today.year > 9999 ||
            dayofweek(g.today.day, g.today.month, g.today.year) <= 0)
          throw UsageError("--today: '" + v + "' is not a valid date of the years 1583..9999");
        g.todaygiven = true;
      } else if (is(a, "--ini")) {
        g.ini = globalvalue("--ini");
        if (g.ini.empty()) throw UsageError("--ini needs a file name");
      } else if (a == "--crlf") {
        g.crlf = true;
      } else if (a == "--cp1252") {
        g.cp1252 = true;
      } else if (a.rfind("--", 0) == 0 || a.rfind("-", 0) == 0) {
        throw UsageError("unknown global option " + a);
      } else {
        break;
      }
    }
    if (i >= args.size()) throw UsageError("no subcommand given (see quendal-report --help)");

    const std::string name = args[i];
    const Subcommand* command = nullptr;
    for (const Subcommand& c : subcommands())
      if (name == c.name) command = &c;
    if (command == nullptr) throw UsageError("unknown subcommand '" + name + "' (see quendal-report --help)");

    std::vector<std::string> rest(args.begin() + static_cast<long>(i) + 1, args.end());
    for (const std::string& a : rest)
      if (ishelp(a)) {
        write(command->usage, GlobalOptions{});
        return 0;
      }

    if (!g.todaygiven) {
      const LocalDateTime now = localdatetime();
      g.today = {now.year, now.month, now.day};
    }
    ApplicationState state;
    state.userlanguage = g.languagegiven ? g.languageid : userdefaultlanguage();
    Options options(name, rest);
    const std::string text = command->run(state, g, options);
    options.finish();
    if (command->verbatim) {
      std::fwrite(text.data(), 1, text.size(), stdout);
      std::fflush(stdout);
    } else {
      write(text, g);
    }
    return 0;
  } catch (const UsageError& e) {
    std::fprintf(stderr, "quendal-report: %s\n", e.what());
    return 2;
  }
}
