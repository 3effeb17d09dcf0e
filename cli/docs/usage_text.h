// The parts of a usage text as quendal-report --help prints it, for the
// manual page: the synopsis, the option lines "  --name VALUE   what it is"
// with their continuation lines, paragraphs, and indented lines that stand
// as they are (examples, tables).
#pragma once

#include <string>
#include <vector>

namespace quendal::cli {

struct UsageBlock {
  enum class Kind { synopsis, option, paragraph, preformatted };
  Kind kind = Kind::paragraph;
  std::string term;  // option: "--date Y-M-D"
  // synopsis: the command lines without "usage: "; option: the lines of the
  // description (a deeper line keeps its extra indentation); paragraph: the
  // lines to fill; preformatted: the lines as they stand.
  std::vector<std::string> lines;
};

std::vector<UsageBlock> parseusage(const std::string& text);

// The options a usage text shows with a value: "--name VALUE" (one blank,
// then a word that is not an option or a bracket), in the synopsis, an
// option's term or the prose. The others are flags.
std::vector<std::string> valueoptions(const std::string& text);

}  // namespace quendal::cli
