#include <cstddef>
#include <cstdint>

#include "cli/fuzz/fuzz_input.h"
#include "logfiles/adx_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzOne(ReadAdx, std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
