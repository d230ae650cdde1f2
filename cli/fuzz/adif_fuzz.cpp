#include <cstddef>
#include <cstdint>

#include "cli/adif_reader.h"
#include "cli/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  DetectFormat(text);
  ScoreFuzzInput(ReadAdif(text));
  return 0;
}
