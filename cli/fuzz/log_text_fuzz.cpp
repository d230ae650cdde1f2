#include <cstddef>
#include <cstdint>

#include "cli/fuzz/fuzz_input.h"
#include "logfiles/log_reader.h"

// Any text, as a file of unknown kind and encoding is read.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto read = [](std::string_view text) { return ReadLogText(text); };
  FuzzOne(read, std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
