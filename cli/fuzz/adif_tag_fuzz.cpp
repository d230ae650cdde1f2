#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "logfiles/adif_tag_readings.h"

// Both readings of every ADIF tag of the input, wherever the text ends: any difference aborts.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!AdifTagReadingsAgree(std::string_view(reinterpret_cast<const char*>(data), size))) {
    std::abort();
  }
  return 0;
}
