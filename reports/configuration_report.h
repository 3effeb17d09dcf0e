// The evaluation box of the configuration file: today's date and, for every
// configured date of personal interest, its distance from today in days,
// weeks, months and years; or why the file could not be used.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/configuration.h"
#include "calendar/text.h"

namespace quendal {

struct ConfigurationReportInputs {
  int result = 0;    // of readConfiguration: 1 read, 0 no file, -1 too large
  std::string file;  // the file read (Configuration::path); its name ends the messages, "" for QUENDAL6.INI
  int todayyear = 0, todaymonth = 0, todayday = 0;        // the local date, 1601..9999
  std::array<PersonalDate, personaldatetablesize> dates;  // personalDateTable
};

struct ConfigurationReport {
  std::string text;   // the message-box text
  const char* title;  // "Auswertung der INI-Datei" / "Interpretation of the INI-File"
};

ConfigurationReport buildconfigurationevaluation(const ConfigurationReportInputs& in, Language language);

// The lines that follow the box's text in both programs: an empty line, then
// " Datei: PATH" / " File: PATH" naming the file read (Configuration::path),
// or, when there is none, " Gesucht: ..." / " Looked for: ..." with the files
// looked for (configurationcandidates()) separated by blanks; a bare file
// name is shown as ./NAME. CR LF line ends.
std::string configurationsource(const std::string& file, const std::vector<std::string>& lookedfor, Language language);

}  // namespace quendal
