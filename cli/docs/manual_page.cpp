// The manual pages; see manual_page.h. The man(7) macros only: .TH, .SH, .SS,
// .TP, .PP, .IP, .RS/.RE and .nf/.fi.
#include "cli/docs/manual_page.h"

#include <cctype>
#include <cstdio>

#include "cli/cli.h"
#include "cli/docs/usage_text.h"

namespace quendal::cli {
namespace {

// The next code point of UTF-8 text at i (advanced past it); a byte that
// starts no valid sequence stands for itself.
unsigned nextcodepoint(const std::string& text, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned first = byte(i);
  int more = 0;
  unsigned code = first;
  if (first >= 0xF0 && first < 0xF5) {
    more = 3, code = first & 0x07;
  } else if (first >= 0xE0) {
    more = 2, code = first & 0x0F;
  } else if (first >= 0xC2 && first < 0xE0) {
    more = 1, code = first & 0x1F;
  }
  if (first < 0x80 || more == 0 || i + static_cast<std::size_t>(more) >= text.size()) {
    ++i;
    return first;
  }
  for (int k = 1; k <= more; ++k) {
    if ((byte(i + static_cast<std::size_t>(k)) & 0xC0) != 0x80) {
      ++i;
      return first;
    }
    code = (code << 6) | (byte(i + static_cast<std::size_t>(k)) & 0x3F);
  }
  i += static_cast<std::size_t>(more) + 1;
  return code;
}

// An option's term with the option names in bold: "\fB\-\-date\fR Y\-M\-D".
std::string termtext(const std::string& term) {
  std::string out;
  std::size_t i = 0;
  while (i < term.size()) {
    std::size_t end = term.find_first_of(" ,", i);
    if (end == std::string::npos) end = term.size();
    const std::string word = term.substr(i, end - i);
    out += word.size() > 1 && word[0] == '-' ? "\\fB" + roff(word) + "\\fR" : roff(word);
    if (end < term.size()) out += term[end];
    i = end + 1;
  }
  return out;
}

// A line kept as it stands: its leading blanks as unpaddable spaces.
std::string keptline(const std::string& line) {
  std::string out;
  std::size_t i = 0;
  for (; i < line.size() && line[i] == ' '; ++i) out += "\\ ";
  return out + roff(line.substr(i));
}

// A description whose lines are a list (a continuation line indented deeper,
// or starting with a code such as "1 four months" or "-3 astronomical")
// keeps its lines; any other is filled.
bool listed(const std::vector<std::string>& lines) {
  for (std::size_t k = 1; k < lines.size(); ++k) {
    const std::string& line = lines[k];
    const std::size_t digit = line.rfind('-', 0) == 0 ? 1 : 0;
    if (line.empty() || line[0] == ' ' ||
        (digit < line.size() && std::isdigit(static_cast<unsigned char>(line[digit]))))
      return true;
  }
  return false;
}

void blocks(std::string& page, const std::string& usage) {
  for (const UsageBlock& block : parseusage(usage)) {
    switch (block.kind) {
      case UsageBlock::Kind::synopsis:
        page += ".PP\n.nf\n";
        for (const std::string& line : block.lines) page += keptline(line) + "\n";
        page += ".fi\n";
        break;
      case UsageBlock::Kind::option: {
        page += ".TP\n" + termtext(block.term) + "\n";
        const bool kept = listed(block.lines);
        for (std::size_t k = 0; k < block.lines.size(); ++k)
          page += (kept && k > 0 ? ".br\n" : "") + (kept ? keptline(block.lines[k]) : roff(block.lines[k])) + "\n";
        break;
      }
      case UsageBlock::Kind::paragraph:
        page += ".PP\n";
        for (const std::string& line : block.lines) page += roff(line) + "\n";
        break;
      case UsageBlock::Kind::preformatted:
        page += ".PP\n.nf\n";
        for (const std::string& line : block.lines) page += keptline(line) + "\n";
        page += ".fi\n";
        break;
    }
  }
}

std::string header(const std::string& name, const std::string& release, const std::string& date) {
  return ".\\\" Made by quendal-docs from the program's own tables; do not edit.\n.TH " + roff(name) + " 1 \"" + date +
         "\" \"Quendal " + roff(release) + "\" \"User Commands\"\n";
}

// Where the configuration file is looked for, and its lines.
const char* const configurationsection =
    ".SH CONFIGURATION FILE\n"
    "Places, dates of personal interest and the language come from an optional\n"
    "plain-text file,\n"
    ".BR QUENDAL6.INI ,\n"
    "which the user writes with any text editor; the programs never write it.\n"
    "Both programs look for it in the same places and read the first found:\n"
    ".IP 1. 4\n"
    "the working directory;\n"
    ".IP 2. 4\n"
    ".IR $XDG_CONFIG_HOME /quendal/\n"
    "when XDG_CONFIG_HOME holds an absolute path, otherwise\n"
    ".BR ~/.config/quendal/ .\n"
    ".PP\n"
    "In each place an older\n"
    ".B QUENDAL5.INI\n"
    "of the same format is read when there is no QUENDAL6.INI. The file is read\n"
    "as UTF-8 when it is valid UTF-8, otherwise as Windows-1252; it may hold at\n"
    "most 65,540 bytes. It is read afresh by every report that needs it, so an\n"
    "edit takes effect at once.\n"
    ".PP\n"
    "Each line is recognised by its shape; there are no sections or keys:\n"
    ".TP\n"
    "\\fBA\\fR, \\fBD\\fR or \\fBE\\fR and a blank at the start\n"
    "the language: Austrian German, German or English (the last such line\n"
    "counts).\n"
    ".TP\n"
    "\\fIYYYY\\-MM\\-DD text\\fR\n"
    "a date of personal interest, years 1601..9998, with a text of up to 39\n"
    "characters from column 12 (at most 12 dates); any character may separate\n"
    "year, month and day.\n"
    ".TP\n"
    "\\fIDD\\fR \\fBN\\fR|\\fBS\\fR \\fIMM\\fR  \\fIDDD\\fR\\fBE\\fR|\\fBW\\fR \\fIMM name\\fR\n"
    "a place (at most 32): latitude degrees in columns 1\\-2, N or S in column\n"
    "4, minutes in 6\\-7; longitude degrees in columns 10\\-13, E (or O) or W in\n"
    "column 14, minutes in 16\\-17; the name from column 19, up to 39\n"
    "characters. The first place is the default one.\n"
    ".TP\n"
    "\\fB;\\fR, \\fB:\\fR or \\fB,\\fR at the start\n"
    "a comment.\n"
    ".PP\n"
    "An example:\n"
    ".PP\n"
    ".RS 4\n"
    ".nf\n"
    "D German\n"
    "1990\\-05\\-17 Anna\\(aqs birthday\n"
    "48 N 12   016E 22 Wien\n"
    "52 N 31   013E 24 Berlin\n"
    "40 N 43   074W 00 New York\n"
    ".fi\n"
    ".RE\n";

const char* const environmentcommon =
    ".TP\n"
    ".B QUENDAL_NOW\n"
    "fixes the clock at a local date and time, \\fIYYYY\\-MM\\-DD\\fBT\\fIHH:MM\\fR\n"
    "(for tests and screenshots).\n"
    ".TP\n"
    "\\fBLC_ALL\\fR, \\fBLC_MESSAGES\\fR, \\fBLANG\\fR\n"
    "the language when the configuration file chooses none: German for a\n"
    "German locale (de_AT: Austrian German), English otherwise.\n"
    ".TP\n"
    "\\fBXDG_CONFIG_HOME\\fR, \\fBHOME\\fR\n"
    "where the configuration file is looked for.\n"
    ".TP\n"
    ".B TZ\n"
    "the system's time zone, for the local clock.\n";

const char* const filescommon =
    ".TP\n"
    ".I ./QUENDAL6.INI\n"
    ".TQ\n"
    ".I $XDG_CONFIG_HOME/quendal/QUENDAL6.INI\n"
    ".TQ\n"
    ".I ~/.config/quendal/QUENDAL6.INI\n"
    "the configuration file (see above).\n";

}  // namespace

std::string roff(const std::string& text) {
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    const unsigned code = nextcodepoint(text, i);
    if (code == '\\') {
      out += "\\e";
    } else if (code == '-') {
      out += "\\-";
    } else if (code == '\'') {
      out += "\\(aq";
    } else if (code >= 0x80) {
      char buffer[16];
      std::snprintf(buffer, sizeof buffer, "\\[u%04X]", code);
      out += buffer;
    } else {
      out += static_cast<char>(code);
    }
  }
  if (!out.empty() && out[0] == '.') out = "\\&" + out;
  return out;
}

const std::vector<std::vector<std::string>>& manualexamples() {
  static const std::vector<std::vector<std::string>> examples = {
      {"main", "--year", "2025"},
      {"--lang", "de", "calendar", "--year", "2025", "--month", "4"},
      {"rises", "--date", "2025-06-21", "--lat", "48.2", "--lon", "16.37", "--tz", "Europe/Vienna"},
      {"events", "--what", "phases", "--from", "2025-01-01", "--to", "2025-03-31"},
      {"planets", "--date", "2025-01-01", "--time", "21:00", "--bodies", "mars,jupiter", "--altaz"},
      {"distance", "--from", "48.2,16.37", "--to", "52.52,13.40"},
      {"ics", "--what", "holidays", "--from-year", "2025", "--to-year", "2026"},
  };
  return examples;
}

std::string reportmanualpage(const std::string& release, const std::string& date) {
  const ProgramHelp& help = programhelpparts();
  std::string page = header("QUENDAL-REPORT", release, date);
  page +=
      ".SH NAME\n"
      "quendal\\-report \\- the reports of the Quendal calendar and astronomy calculator as text\n"
      ".SH SYNOPSIS\n"
      ".B quendal\\-report\n"
      "[\\fIGLOBAL OPTIONS\\fR] \\fISUBCOMMAND\\fR [\\fIOPTIONS\\fR]\n"
      ".SH DESCRIPTION\n"
      ".B quendal\\-report\n"
      "prints the reports of the desktop program\n"
      ".BR quendal (1)\n"
      "on standard output: the Easter date and the calendar of a year, holidays,\n"
      "moon phases, eclipses and seasons, rises and twilights, sidereal time, the\n"
      "equation of time, the positions of the planets, the pointing of a\n"
      "satellite dish and the distance between places, in English or German.\n"
      "Each subcommand prints one report; its texts are those of the desktop\n"
      "program's dialogs and windows. The output is UTF\\-8 with LF line ends\n"
      "unless a global option asks otherwise.\n"
      ".SH GLOBAL OPTIONS\n"
      "Given before the subcommand.\n";
  blocks(page, help.globaloptions);
  page +=
      ".SH COMMON OPTIONS\n"
      "The options of the subcommands that mean the same wherever they are taken.\n";
  blocks(page, help.commonoptions);
  blocks(page, help.refusals);
  page += ".SH SUBCOMMANDS\n";
  for (const Subcommand& command : subcommands()) {
    page += ".SS " + roff(command.name) + "\n" + roff(command.summary) + ".\n";
    blocks(page, command.usage);
  }
  page += configurationsection;
  page +=
      ".SH EXIT STATUS\n"
      ".TP\n.B 0\nthe report was printed.\n"
      ".TP\n.B 1\nthe output could not be written (a full disk, a closed pipe, a file\n"
      "that cannot be created); a file given with \\fB\\-\\-output\\fR keeps its\n"
      "previous content.\n"
      ".TP\n.B 2\na usage error: an unknown subcommand or option, or a value outside its\n"
      "range; the message on standard error names the option and the valid values.\n"
      ".SH ENVIRONMENT\n";
  page += environmentcommon;
  page += ".SH FILES\n";
  page += filescommon;
  page +=
      ".TP\n.I /usr/share/zoneinfo/\n"
      "the system's time\\-zone database, for \\fB\\-\\-tz\\fR.\n"
      ".SH EXAMPLES\n";
  for (const std::vector<std::string>& example : manualexamples()) {
    std::string line = "quendal-report";
    for (const std::string& word : example) line += " " + word;
    page += ".PP\n.nf\n" + roff(line) + "\n.fi\n";
  }
  page +=
      ".SH SEE ALSO\n"
      ".BR quendal (1)\n";
  return page;
}

std::string desktopmanualpage(const std::string& release, const std::string& date) {
  std::string page = header("QUENDAL", release, date);
  page +=
      ".SH NAME\n"
      "quendal \\- calendar and astronomy calculator\n"
      ".SH SYNOPSIS\n"
      ".B quendal\n"
      "[\\fIKEYWORD\\fR] [\\fIQt options\\fR]\n"
      ".SH DESCRIPTION\n"
      ".B quendal\n"
      "computes the Easter date of the years 100..9999 and what follows from it\n"
      "(movable feasts, holidays, month calendars in the Gregorian and the\n"
      "Julian calendar), and around it moon phases, eclipses and seasons, rises\n"
      "and twilights, sidereal time, the equation of time, the positions of the\n"
      "planets with a sky chart, the pointing of a satellite dish and distances\n"
      "on the WGS84 ellipsoid, in German or English.\n"
      ".PP\n"
      "It opens with the main dialog: the Easter and calendar report of a year,\n"
      "a button for each tool dialog, and the calendar window. Every report can\n"
      "be printed. The same reports are printed as text by\n"
      ".BR quendal\\-report (1).\n"
      ".SH OPTIONS\n"
      "One keyword may follow the program's name; its first character is a free\n"
      "prefix such as \\fB/\\fR or \\fB\\-\\fR, and only the next three characters\n"
      "count, in upper or lower case:\n";
  struct Keyword {
    const char* word;
    const char* effect;
  };
  const Keyword keywords[] = {
      {"-cal, -kal", "opens the calendar window without the main dialog; the program ends when it is closed."},
      {"-bio", "opens the equation-of-time graph without the main dialog; the program ends when it is closed."},
      {"-dru, -pri", "printing is offered (it always is)."},
      {"-tz", "the planet report names the constellation of the zodiac (it always does)."},
  };
  for (const Keyword& k : keywords) page += ".TP\n" + termtext(k.word) + "\n" + roff(k.effect) + "\n";
  page +=
      ".PP\n"
      "Qt's standard options are understood as well, such as \\fB\\-platform\\fR,\n"
      "\\fB\\-style\\fR and \\fB\\-reverse\\fR.\n";
  page += configurationsection;
  page += ".SH ENVIRONMENT\n";
  page += environmentcommon;
  page +=
      ".TP\n.B QT_QPA_PLATFORM\n"
      "the windowing system Qt uses (xcb, wayland).\n"
      ".SH FILES\n";
  page += filescommon;
  page +=
      ".SH SEE ALSO\n"
      ".BR quendal\\-report (1)\n";
  return page;
}

}  // namespace quendal::cli
