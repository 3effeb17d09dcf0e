// Turns a fuzzer's bytes into the values of a report's input fields: mostly
// values across each field's range and far beyond it (the extremes of int,
// 0, -1, zones 99 and -99, a billion, just outside either end), the rest
// raw. An exhausted input reads as zeros. Shared by the fuzz targets.
#pragma once

#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>

namespace quendal::fuzz {

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
  bool empty() const { return at_ >= size_; }
  bool flag() { return (byte() & 1) != 0; }

  std::uint32_t raw32() {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v = v << 8 | byte();
    return v;
  }

  // A value for a field whose valid values are first..last.
  int field(int first, int last) {
    const std::uint8_t how = byte();
    switch (how % 8) {
      case 0:
      case 1:
      case 2:
      case 3: {  // within the range
        const long long span = static_cast<long long>(last) - first + 1;
        return static_cast<int>(first + static_cast<long long>(raw32() % static_cast<std::uint32_t>(span)));
      }
      case 4: {  // an edge of the range, give or take a few
        const int delta = static_cast<int>(byte() % 7) - 3;
        const long long edge = (how & 8) ? last : first;
        return static_cast<int>(clampint(edge + delta));
      }
      case 5:
      case 6: {
        static constexpr int special[] = {
            INT_MIN, INT_MIN + 1, -1000000000, -2147483, -99999,  -9999,      -999,        -100,   -99,  -61,  -60,
            -59,     -25,         -24,         -13,      -12,     -2,         -1,          0,      1,    2,    12,
            13,      23,          24,          29,       30,      31,         32,          59,     60,   61,   90,
            91,      99,          100,         180,      181,     360,        999,         1000,   3000, 9999, 10000,
            99999,   100000,      999999,      1000000,  2147483, 1000000000, INT_MAX - 1, INT_MAX};
        return special[byte() % (sizeof special / sizeof special[0])];
      }
      default:
        return static_cast<int>(raw32());
    }
  }

  // Text of up to n bytes (any bytes: not necessarily UTF-8).
  std::string text(std::size_t n) {
    std::string s;
    const std::size_t length = byte() % (n + 1);
    for (std::size_t i = 0; i < length && !empty(); ++i) s += static_cast<char>(byte());
    return s;
  }

 private:
  static long long clampint(long long v) { return v < INT_MIN ? INT_MIN : v > INT_MAX ? INT_MAX : v; }

  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

}  // namespace quendal::fuzz
