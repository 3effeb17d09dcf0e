// libFuzzer target of the configuration reader: any bytes as the content of
// QUENDAL6.INI. Built with clang and -fsanitize=fuzzer,address,undefined by
// `make fuzz`; a fault of the tables aborts with its description.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "app/configuration.h"
#include "configuration_invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quendal;
  const Configuration c = readConfigurationContent(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string fault = configurationfault(c);
  if (!fault.empty()) {
    std::fprintf(stderr, "configuration fault: %s\n", fault.c_str());
    std::abort();
  }
  return 0;
}
