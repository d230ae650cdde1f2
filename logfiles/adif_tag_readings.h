// The two readings of an ADIF tag held to one answer on any input: what their test, the
// differential fuzzer and the replay of its corpus check.
#pragma once

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "logfiles/adif_tag.h"

// True when both readings of the tag at `open` agree, on whether there is one and on all of it.
inline bool AdifTagReadingsAgreeAt(std::string_view text, std::size_t open) {
  AdifTag fast;
  AdifTag byteByByte;
  const AdifTagRead read = ReadAdifTag(text, open, &fast);
  if (read != ReadAdifTagByteByByte(text, open, &byteByByte)) {
    return false;
  }
  return read != AdifTagRead::kTag ||
         (fast.name == byteByByte.name && fast.hasLength == byteByByte.hasLength &&
          fast.length == byteByByte.length && fast.end == byteByByte.end);
}

// Reads the tag at every '<' of `text` both ways, in the whole text and in the text cut at each of
// the 34 lengths after the '<', so that each tag sits at every distance from the end that tells
// the readings apart. False at the first difference, which it describes on standard error.
inline bool AdifTagReadingsAgree(std::string_view text) {
  constexpr std::size_t kCuts = 34;
  for (std::size_t open = text.find('<'); open != std::string_view::npos;
       open = text.find('<', open + 1)) {
    bool agree = AdifTagReadingsAgreeAt(text, open);
    for (std::size_t end = open + 1; agree && end <= std::min(text.size(), open + kCuts); ++end) {
      agree = AdifTagReadingsAgreeAt(text.substr(0, end), open);
    }
    if (!agree) {
      std::fprintf(stderr, "the two readings of the ADIF tag at byte %zu differ\n", open);
      return false;
    }
  }
  return true;
}
