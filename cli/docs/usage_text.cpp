// Usage texts split into their parts; see usage_text.h.
#include "cli/docs/usage_text.h"

#include <cctype>
#include <map>

namespace quendal::cli {
namespace {

constexpr std::size_t optionindent = 2;  // "  --name"

std::vector<std::string> splitlines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

std::size_t indentof(const std::string& line) {
  const std::size_t first = line.find_first_not_of(' ');
  return first == std::string::npos ? line.size() : first;
}

bool isoptionline(const std::string& line) {
  return indentof(line) == optionindent && line.compare(optionindent, 2, "--") == 0;
}

// The column where an option line's description starts: after the first run
// of two or more blanks behind the term; npos when there is none.
std::size_t separatorcolumn(const std::string& line) {
  const std::size_t gap = line.find("  ", optionindent);
  if (gap == std::string::npos) return std::string::npos;
  const std::size_t start = line.find_first_not_of(' ', gap);
  return start == std::string::npos ? std::string::npos : start;
}

std::string trimmedright(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// The description column of a group of lines: the one most option lines use.
std::size_t descriptioncolumn(const std::vector<std::string>& lines, std::size_t first, std::size_t last) {
  std::map<std::size_t, int> count;
  for (std::size_t i = first; i < last; ++i)
    if (isoptionline(lines[i]) && separatorcolumn(lines[i]) != std::string::npos) ++count[separatorcolumn(lines[i])];
  std::size_t best = std::string::npos;
  int most = 0;
  for (const auto& [column, n] : count)
    if (n > most) best = column, most = n;
  return best;
}

// An option line as term and first description line, and the column where
// the description starts. A term followed by a single blank still ends at
// the group's column ("--place N|NAME a place").
UsageBlock optionblock(const std::string& line, std::size_t column, std::size_t& start) {
  UsageBlock block;
  block.kind = UsageBlock::Kind::option;
  start = separatorcolumn(line);
  if (column != std::string::npos && column < line.size() && line[column - 1] == ' ' && line[column] != ' ' &&
      line.substr(optionindent, column - optionindent).find("  ") == std::string::npos)
    start = column;
  if (start == std::string::npos) {
    block.term = trimmedright(line.substr(optionindent));
  } else {
    block.term = trimmedright(line.substr(optionindent, start - optionindent));
    block.lines.push_back(line.substr(start));
  }
  return block;
}

}  // namespace

std::vector<UsageBlock> parseusage(const std::string& text) {
  const std::vector<std::string> lines = splitlines(text);
  std::vector<UsageBlock> blocks;
  std::size_t i = 0;
  const std::string usage = "usage: ";
  if (!lines.empty() && lines[0].rfind(usage, 0) == 0) {
    UsageBlock synopsis;
    synopsis.kind = UsageBlock::Kind::synopsis;
    for (; i < lines.size() && !lines[i].empty(); ++i)
      synopsis.lines.push_back(lines[i].substr(std::min(usage.size(), indentof(lines[i]) + usage.size())));
    blocks.push_back(synopsis);
  }
  while (i < lines.size()) {
    if (lines[i].empty()) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < lines.size() && !lines[end].empty()) ++end;
    const std::size_t column = descriptioncolumn(lines, i, end);
    UsageBlock* current = nullptr;
    std::size_t start = std::string::npos;  // of the current option's description
    for (; i < end; ++i) {
      const std::string& line = lines[i];
      const std::size_t indent = indentof(line);
      UsageBlock::Kind kind = UsageBlock::Kind::paragraph;
      if (isoptionline(line)) {
        blocks.push_back(optionblock(line, column, start));
        current = &blocks.back();
        continue;
      }
      if (current != nullptr && current->kind == UsageBlock::Kind::option && indent > optionindent) {
        const std::size_t base = start == std::string::npos ? indent : std::min(indent, start);
        current->lines.push_back(line.substr(base));
        continue;
      }
      if (indent > 0) kind = UsageBlock::Kind::preformatted;
      if (current == nullptr || current->kind != kind) {
        blocks.push_back(UsageBlock{kind, "", {}});
        current = &blocks.back();
      }
      current->lines.push_back(kind == UsageBlock::Kind::preformatted ? line : line.substr(indent));
    }
  }
  return blocks;
}

std::vector<std::string> valueoptions(const std::string& text) {
  std::vector<std::string> names;
  for (std::size_t i = text.find("--"); i != std::string::npos; i = text.find("--", i + 2)) {
    if (i > 0 && text[i - 1] != ' ' && text[i - 1] != '[' && text[i - 1] != '(') continue;
    std::size_t end = i + 2;
    while (end < text.size() && (std::islower(static_cast<unsigned char>(text[end])) != 0 ||
                                 std::isdigit(static_cast<unsigned char>(text[end])) != 0 || text[end] == '-'))
      ++end;
    if (end == i + 2 || end + 1 >= text.size() || text[end] != ' ') continue;
    const char next = text[end + 1];
    if (next == ' ' || next == '-' || next == '[' || next == '|' || next == '(' || next == '\n') continue;
    const std::string name = text.substr(i + 2, end - i - 2);
    bool known = false;
    for (const std::string& n : names) known = known || n == name;
    if (!known) names.push_back(name);
  }
  return names;
}

}  // namespace quendal::cli
