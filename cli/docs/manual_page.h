// The manual pages quendal-report(1) and quendal(1), in the man macros of
// groff. The page of quendal-report is made from the program's own table of
// subcommands and their --help texts, so that it says what the program does.
#pragma once

#include <string>
#include <vector>

namespace quendal::cli {

// release: the version ("6.0"); date: the date of the release, YYYY-MM-DD.
std::string reportmanualpage(const std::string& release, const std::string& date);
std::string desktopmanualpage(const std::string& release, const std::string& date);

// The command lines of the EXAMPLES section of quendal-report(1), without the
// program's name.
const std::vector<std::vector<std::string>>& manualexamples();

// Text escaped for groff: backslashes, minus signs, characters beyond ASCII
// as \[uXXXX], a control character at the start of a line made harmless.
std::string roff(const std::string& text);

}  // namespace quendal::cli
