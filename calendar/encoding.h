// Text encodings at the program's edges: the program works in UTF-8; files
// written on Windows and the --cp1252 output use Windows-1252.
#pragma once

#include <string>
#include <string_view>

namespace quendal {

// True if the bytes are well-formed UTF-8 (no overlongs, no surrogates).
bool isvalidutf8(std::string_view bytes);
// Windows-1252 bytes to UTF-8 (the five undefined bytes map to U+FFFD).
std::string cp1252toutf8(std::string_view bytes);
// UTF-8 to Windows-1252; characters without a Windows-1252 byte become '?'.
std::string utf8tocp1252(std::string_view text);

// Code points of UTF-8 text (a malformed sequence gives U+FFFD per byte) and back.
std::u32string utf8toutf32(std::string_view text);
std::string utf32toutf8(std::u32string_view text);

}  // namespace quendal
