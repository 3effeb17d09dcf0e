// The manual page and the shell completion against the program they
// describe: every option of every subcommand is documented, the fixed
// values offered for completion are values the program takes, the options
// the completion treats as taking a value are those the parser wants one
// for, and the manual's examples run. Then the groff escaping.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/docs/bash_completion.h"
#include "cli/docs/manual_page.h"
#include "cli/docs/usage_text.h"
#include "cli_run.h"

namespace {

using quendal::cli::Subcommand;

// The arguments a subcommand needs besides the option under test.
const std::map<std::string, std::vector<std::string>> requiredarguments = {
    {"date-shift", {"--days", "1"}},
    {"dayevents", {"--zone", "1", "--event", "0"}},
    {"dish", {"--satellite", "19.2E"}},
    {"distance", {"--from", "1,1", "--to", "2,2"}},
    {"easter-distribution", {"--from-year", "2000", "--to-year", "2001"}},
    {"eot", {"--mode", "year"}},
    {"events", {"--what", "phases"}},
    {"position", {"--body", "sun"}},
    {"rises", {"--precise"}},
    {"weekday-distribution", {"--from", "2000-01", "--to", "2000-12", "--day", "1"}},
};

// A command line of the subcommand with the words, after the arguments it
// needs except those of the option the words give.
std::string commandline(const Subcommand& command, const std::string& option, const std::string& words) {
  std::string line = std::string("--today 2024-03-15 ") + command.name;
  const auto required = requiredarguments.find(command.name);
  if (required != requiredarguments.end()) {
    const std::vector<std::string>& args = required->second;
    for (std::size_t i = 0; i < args.size(); ++i) {
      const bool pair = i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0;
      if (args[i] != "--" + option) line += " " + args[i] + (pair ? " " + args[i + 1] : "");
      if (pair) ++i;
    }
  }
  return line + " " + words;
}

bool isglobal(const std::string& name) {
  for (const char* global : {"lang", "today", "ini", "format", "crlf", "cp1252", "help", "version"})
    if (name == global) return true;
  return false;
}

// The section of the manual page on one subcommand.
std::string manualsection(const std::string& page, const std::string& name) {
  const std::size_t start = page.find(".SS " + quendal::cli::roff(name) + "\n");
  if (start == std::string::npos) return "";
  return page.substr(start, page.find(".S", start + 4) - start);
}

TEST(ManualPage, DocumentsEveryOptionOfEverySubcommand) {
  const std::string page = quendal::cli::reportmanualpage("6.0", "2026-12-07");
  for (const Subcommand& command : quendal::cli::subcommands()) {
    const std::string section = manualsection(page, command.name);
    ASSERT_FALSE(section.empty()) << command.name;
    for (const std::string& name : quendal::cli::optionnames(command.usage)) {
      if (isglobal(name)) continue;
      EXPECT_NE(section.find("\\fB" + quendal::cli::roff("--" + name) + "\\fR"), std::string::npos)
          << command.name << " --" << name << " has no entry of its own";
    }
  }
}

TEST(ManualPage, ExamplesRun) {
  for (const std::vector<std::string>& example : quendal::cli::manualexamples()) {
    std::string args;
    for (const std::string& word : example) args += " '" + word + "'";
    const clitest::Result r = clitest::run(args);
    EXPECT_EQ(r.status, 0) << args << ": " << r.err;
    EXPECT_FALSE(r.out.empty()) << args;
  }
}

TEST(Completion, FixedValuesAreTaken) {
  for (const Subcommand& command : quendal::cli::subcommands())
    for (const quendal::cli::OptionValues& option : command.values) {
      std::string values = option.values;
      for (std::size_t start = 0; start < values.size();) {
        std::size_t end = values.find(' ', start);
        if (end == std::string::npos) end = values.size();
        const std::string value = values.substr(start, end - start);
        start = end + 1;
        std::string words = std::string("--") + option.option + " '" + value + "'";
        if (words == "--event '-4'") words += " --altitude -6";  // the individual twilight's altitude
        const clitest::Result r = clitest::run(commandline(command, option.option, words));
        EXPECT_EQ(r.status, 0) << command.name << " --" << option.option << " " << value << ": " << r.err;
      }
    }
}

TEST(Completion, OptionsWithValuesAreThoseTheParserWantsOneFor) {
  const std::vector<std::string> common = quendal::cli::valueoptions(quendal::cli::programhelpparts().commonoptions);
  for (const Subcommand& command : quendal::cli::subcommands()) {
    if (std::string(command.name) == "about") continue;  // no options; it runs a timing
    std::vector<std::string> withvalue = quendal::cli::valueoptions(command.usage);
    withvalue.insert(withvalue.end(), common.begin(), common.end());
    for (const std::string& name : quendal::cli::optionnames(command.usage)) {
      if (isglobal(name)) continue;
      bool expected = false;
      for (const std::string& v : withvalue) expected = expected || v == name;
      const clitest::Result r = clitest::run(commandline(command, name, "--" + name));
      // Without a value the option is refused by name (or with its partner,
      // as --lat without --lon); a flag never wants a value.
      const bool refused = r.status == 2 && r.err.find("--" + name + ": ") != std::string::npos;
      const bool wanted = r.err.find("--" + name + ": needs a value") != std::string::npos;
      if (expected)
        EXPECT_TRUE(refused) << command.name << " --" << name << ": " << r.err;
      else
        EXPECT_FALSE(wanted) << command.name << " --" << name << ": " << r.err;
    }
  }
}

TEST(Completion, OffersEverySubcommandAndTheFixedValues) {
  const std::string script = quendal::cli::bashcompletion();
  for (const Subcommand& command : quendal::cli::subcommands()) {
    EXPECT_NE(script.find("        " + std::string(command.name) + ")\n"), std::string::npos) << command.name;
    for (const quendal::cli::OptionValues& option : command.values)
      EXPECT_NE(script.find("\"" + std::string(option.values) + "\""), std::string::npos) << option.option;
  }
}

TEST(Roff, EscapesWhatGroffWouldTakeOtherwise) {
  const struct {
    const char* text;
    const char* roff;
  } cases[] = {
      {"--date Y-M-D", "\\-\\-date Y\\-M\\-D"},
      {"Sankt Pölten", "Sankt P\\[u00F6]lten"},
      {"48°12'", "48\\[u00B0]12\\(aq"},
      {".hidden", "\\&.hidden"},
      {"C:\\path", "C:\\epath"},
      {"bad \xff byte", "bad \\[u00FF] byte"},
  };
  for (const auto& c : cases) EXPECT_EQ(quendal::cli::roff(c.text), c.roff) << c.text;
}

}  // namespace
