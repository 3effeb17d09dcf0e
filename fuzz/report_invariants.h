// What every text the program shows must be, whatever was typed: valid
// UTF-8, no "nan" or "inf" of a failed computation, no negative minutes or
// seconds ("-0:-5", "12h-3'"). Shared by the fuzz targets and their tests.
#pragma once

#include <cctype>
#include <string>
#include <string_view>

#include "calendar/encoding.h"
#include "calendar/text.h"

namespace quendal::fuzz {

inline bool isletter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

// "nan" or "inf" as a word of its own (any case): the print of a NaN or an
// infinity; "Info" or "Finanz" are words.
inline bool hasnonnumber(std::string_view text) {
  for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
    std::string word(text.substr(i, 3));
    for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (word != "nan" && word != "inf") continue;
    const bool before = i > 0 && isletter(text[i - 1]);
    const bool after = i + 3 < text.size() && isletter(text[i + 3]);
    if (!before && !after) return true;
  }
  return false;
}

// A minus after the mark of a sexagesimal field (":-5", "h-3", "'-07", "°-1").
inline bool hasnegativefield(std::string_view text) {
  static constexpr std::string_view marks[] = {":-", "h-", "'-", "\xC2\xB0-"};
  for (std::string_view mark : marks)
    for (std::size_t i = text.find(mark); i != std::string_view::npos; i = text.find(mark, i + 1)) {
      const std::size_t next = i + mark.size();
      if (next < text.size() && std::isdigit(static_cast<unsigned char>(text[next]))) return true;
    }
  return false;
}

// "" when the text may be shown; else what is wrong. limit: characters at
// most (0: no limit).
inline std::string textfault(std::string_view text, std::size_t limit) {
  if (!isvalidutf8(text)) return "not UTF-8";
  if (limit != 0 && utf8length(text) > limit) return "longer than the report buffer";
  if (hasnonnumber(text)) return "nan or inf";
  if (hasnegativefield(text)) return "a negative minute or second";
  return "";
}

}  // namespace quendal::fuzz
