#include <cstddef>
#include <cstdint>

#include "cli/fuzz/fuzz_input.h"
#include "logfiles/cabrillo_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto read = [](std::string_view text) { return ReadCabrillo(text); };
  FuzzOne(read, std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
