// Text encodings; see encoding.h.
#include "calendar/encoding.h"

#include <cstdint>

namespace quendal {

namespace {

// Code points of the bytes 0x80..0x9F in Windows-1252; 0 where undefined.
const std::uint16_t cp1252high[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void appendutf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one UTF-8 sequence at bytes[i]; returns its length, 0 if malformed.
std::size_t decodeutf8(std::string_view bytes, std::size_t i, std::uint32_t& cp) {
  const auto b = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
  const unsigned char c = b(i);
  std::size_t len;
  std::uint32_t min;
  if (c < 0x80) {
    cp = c;
    return 1;
  } else if ((c & 0xE0) == 0xC0) {
    len = 2, cp = c & 0x1F, min = 0x80;
  } else if ((c & 0xF0) == 0xE0) {
    len = 3, cp = c & 0x0F, min = 0x800;
  } else if ((c & 0xF8) == 0xF0) {
    len = 4, cp = c & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (i + len > bytes.size()) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    if ((b(i + k) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b(i + k) & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

}  // namespace

bool isvalidutf8(std::string_view bytes) {
  std::uint32_t cp;
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t len = decodeutf8(bytes, i, cp);
    if (len == 0) return false;
    i += len;
  }
  return true;
}

std::string cp1252toutf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (unsigned char c : bytes) {
    if (c >= 0x80 && c < 0xA0) {
      const std::uint16_t cp = cp1252high[c - 0x80];
      appendutf8(out, cp != 0 ? cp : 0xFFFD);
    } else {
      appendutf8(out, c);
    }
  }
  return out;
}

std::u32string utf8toutf32(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  std::uint32_t cp;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t len = decodeutf8(text, i, cp);
    out += len == 0 ? U'\uFFFD' : static_cast<char32_t>(cp);
    i += len == 0 ? 1 : len;
  }
  return out;
}

std::string utf32toutf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t cp : text) appendutf8(out, cp);
  return out;
}

std::string utf8tocp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::uint32_t cp;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t len = decodeutf8(text, i, cp);
    if (len == 0) {
      out += '?';
      ++i;
      continue;
    }
    i += len;
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
      out += static_cast<char>(cp);
      continue;
    }
    char byte = '?';
    for (int k = 0; k < 32; ++k)
      if (cp1252high[k] == cp) byte = static_cast<char>(0x80 + k);
    out += byte;
  }
  return out;
}

}  // namespace quendal
