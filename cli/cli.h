// quendal-report: the command-line front end. Each subcommand lives in a
// source of its own (cmd_*.cpp) and registers itself with a static
// SubcommandRegistration; main.cpp parses the global options, dispatches and
// writes the text.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "app/application_state.h"

namespace quendal::cli {

// A malformed option or value: main prints the message on stderr, exits 2.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct CivilDate {
  int year = 0, month = 0, day = 0;
};

struct ClockTime {
  int hour = 0, minute = 0, second = 0;
};

struct GlobalOptions {
  bool languagegiven = false;  // --lang: the user's language; the configuration's language line is ignored
  int languageid = 0;          // 1033 en, 1031 de, 3079 at
  CivilDate today;             // --today or the local clock
  bool todaygiven = false;
  std::string ini;             // --ini PATH ("" = QUENDAL6.INI/QUENDAL5.INI in the working directory)
  bool crlf = false;
  bool cp1252 = false;
};

// The options of one subcommand: "--name value", "--name=value" and flags.
// Every option must be consumed; leftovers are reported by finish().
class Options {
 public:
  Options(std::string command, std::vector<std::string> args);

  bool flag(const char* name);                       // --name present (no value)
  bool has(const char* name) const;                  // --name present (with or without value)
  std::string text(const char* name, const std::string& fallback);
  std::string requiredtext(const char* name);
  long long integer(const char* name, long long fallback);
  long long requiredinteger(const char* name);
  double number(const char* name, double fallback);
  double requirednumber(const char* name);
  // Y-M-D (year may be negative for historical years where allowed)
  CivilDate date(const char* name, const CivilDate& fallback);
  CivilDate requireddate(const char* name);
  // HH:MM or HH:MM:SS
  ClockTime time(const char* name, const ClockTime& fallback);
  ClockTime requiredtime(const char* name);
  void finish() const;  // throws UsageError for options not consumed

  const std::string& command() const { return command_; }

 private:
  struct Item {
    std::string name;
    std::string value;
    bool hasvalue = false;
    bool used = false;
  };
  Item* find(const char* name);
  const Item* find(const char* name) const;
  std::string value(const char* name);  // the value; throws if missing

  std::string command_;
  std::vector<Item> items_;
};

// Parsers shared by the subcommands; they throw UsageError with the option's name.
long long parseinteger(const std::string& option, const std::string& text);
double parsenumber(const std::string& option, const std::string& text);
CivilDate parsedate(const std::string& option, const std::string& text);
ClockTime parsetime(const std::string& option, const std::string& text);

struct Subcommand {
  const char* name;
  const char* summary;  // one line for the program's --help
  const char* usage;    // the subcommand's --help text
  // Builds the text to print (reports keep their CR LF line ends). The state
  // is the one main() created; subcommands keep in it what the program
  // would (the configuration read, the planet dialog's hand-shake, ...).
  std::string (*run)(ApplicationState& state, const GlobalOptions& global, Options& options);
  // The text is written as it is: no CR LF to LF, no Windows-1252.
  bool verbatim = false;
};

struct SubcommandRegistration {
  explicit SubcommandRegistration(const Subcommand& command);
};

const std::vector<Subcommand>& subcommands();

}  // namespace quendal::cli
