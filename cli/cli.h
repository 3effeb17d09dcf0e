// quendal-report: the command-line front end. Each subcommand lives in a
// source of its own (cmd_*.cpp) and registers itself with a static
// SubcommandRegistration; program.cpp parses the global options, dispatches
// and writes the text.
//
// Messages: a usage error prints
//   quendal-report SUBCOMMAND: --option: what is wrong (valid: ...)
// on stderr and exits 2; a failed write exits 1.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "app/application_state.h"
#include "calendar/calendar.h"

namespace quendal::cli {

// A malformed option or value: the message without the program's name,
// "--option: what is wrong (valid: ...)"; main prints it on stderr, exits 2.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The usage error "--option: problem (valid: valid)" (without the
// parenthesis when valid is empty).
UsageError refusal(const std::string& option, const std::string& problem, const std::string& valid = "");

// Standard output or an output file could not be written: exit 1.
struct WriteError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct ClockTime {
  int hour = 0, minute = 0, second = 0;
};

// What a subcommand prints: its text report, one JSON document, or (events)
// one JSON object per line as the results are found.
enum class OutputFormat { text, json, jsonl };

struct GlobalOptions {
  bool languagegiven = false;  // --lang: the user's language; the configuration's language line is ignored
  int languageid = 0;          // 1033 en, 1031 de, 3079 at
  CivilDate today;             // --today or the local clock
  bool todaygiven = false;
  ClockTime now;       // the local clock's time of day (--time's default)
  CivilDate utctoday;  // the clock's date and time in UTC (--today, if given, for the date)
  ClockTime utcnow;
  std::string ini;  // --ini PATH ("" = looked up, see read_configuration.h)
  bool crlf = false;
  bool cp1252 = false;
  OutputFormat format = OutputFormat::text;  // --format, before or after the subcommand
};

// The options of one subcommand: "--name value", "--name=value" and flags.
// Every option must be consumed; leftovers are reported by finish().
class Options {
 public:
  Options(std::string command, std::vector<std::string> args);

  bool flag(const char* name);       // --name present (no value)
  bool has(const char* name) const;  // --name present (with or without value)
  std::string text(const char* name, const std::string& fallback);
  std::string requiredtext(const char* name);
  long long integer(const char* name, long long fallback);
  long long requiredinteger(const char* name);
  // The same, refused outside first..last.
  long long integer(const char* name, long long fallback, long long first, long long last);
  long long requiredinteger(const char* name, long long first, long long last);
  double number(const char* name, double fallback);
  double requirednumber(const char* name);
  // Y-M-D (year may be negative for historical years where allowed)
  CivilDate date(const char* name, const CivilDate& fallback);
  CivilDate requireddate(const char* name);
  // A date of the calendar (Julian before 15 October 1582, Gregorian from
  // then on) in the years first..last; the fallback (today) when absent.
  CivilDate calendardate(const char* name, const CivilDate& fallback, int first, int last);
  // HH:MM or HH:MM:SS
  ClockTime time(const char* name, const ClockTime& fallback);
  ClockTime requiredtime(const char* name);
  void finish() const;  // throws UsageError for options not consumed

  const std::string& command() const { return command_; }
  std::vector<std::string> names() const;  // the options given, in order

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

// --time HH:MM of a report that takes whole minutes (seconds are refused);
// default: now.
ClockTime minutetime(Options& options, const GlobalOptions& global);

// A report's local date and time: --date Y-M-D, a date of the calendar in the
// years first..last (default: today), then --time as minutetime reads it.
struct DateTimeOption {
  CivilDate date;
  ClockTime time;
};
DateTimeOption datetimeoption(Options& options, const GlobalOptions& global, int first, int last);
// The same, also written into the year, month, day, hour and minute of a
// report's inputs.
template <class Inputs>
DateTimeOption datetimeoption(Options& options, const GlobalOptions& global, int first, int last, Inputs& inputs) {
  const DateTimeOption t = datetimeoption(options, global, first, last);
  inputs.year = t.date.year;
  inputs.month = t.date.month;
  inputs.day = t.date.day;
  inputs.hour = t.time.hour;
  inputs.minute = t.time.minute;
  return t;
}

// Parsers shared by the subcommands; they throw UsageError with the option's name.
long long parseinteger(const std::string& option, const std::string& text);
double parsenumber(const std::string& option, const std::string& text);
CivilDate parsedate(const std::string& option, const std::string& text);
ClockTime parsetime(const std::string& option, const std::string& text);
// Refuses a date that is not one of the calendar or lies outside the years
// first..last.
void checkcalendardate(const std::string& option, const CivilDate& date, int first, int last);
// "2024-03-15"
std::string datetext(const CivilDate& date);

// The fixed values of an option (the shell's completion offers them): one
// of them, or with list any of them separated by commas.
struct OptionValues {
  const char* option;  // the name without "--"
  const char* values;  // separated by blanks
  bool list = false;
};

struct Subcommand {
  const char* name;
  const char* summary;  // one line for the program's --help
  // The subcommand's --help text. The options the subcommand accepts are the
  // "--name" words it mentions; any other is refused as unknown before run.
  const char* usage;
  // Builds the text to print (reports keep their CR LF line ends). The state
  // is the one main() created; subcommands keep in it what the program
  // would (the configuration read, the planet dialog's hand-shake, ...).
  std::string (*run)(ApplicationState& state, const GlobalOptions& global, Options& options);
  // The text is written as it is: no CR LF to LF, no Windows-1252.
  bool verbatim = false;
  // The options whose values are words or codes from a fixed set.
  std::vector<OptionValues> values = {};
  // The forms run() prints besides text (global.format): a JSON document,
  // and with stream also JSON lines.
  enum class JsonForm { none, document, stream };
  JsonForm json = JsonForm::none;
};

struct SubcommandRegistration {
  explicit SubcommandRegistration(const Subcommand& command);
};

const std::vector<Subcommand>& subcommands();

// The program's --help in its parts, from which the manual page is made too:
// the global options, the options common to the subcommands (lines
// "  --name VALUE   description"), and the note on refused values.
struct ProgramHelp {
  const char* globaloptions;
  const char* commonoptions;
  const char* refusals;
};
const ProgramHelp& programhelpparts();
std::string programhelp();
// The fixed values of the global options and of the options common to the
// subcommands.
const std::vector<OptionValues>& sharedoptionvalues();

// The "--name" words of a usage text.
std::vector<std::string> optionnames(const std::string& usage);

// Writes text to standard output at once, line ends and encoding as the
// global options ask (for subcommands that print as they go); throws
// WriteError when the write fails.
void writeoutput(const std::string& text, const GlobalOptions& global);

// The whole command line (the arguments after the program's name): the exit
// status, 0 done, 1 write failure, 2 usage error.
int runprogram(const std::vector<std::string>& args);

}  // namespace quendal::cli
