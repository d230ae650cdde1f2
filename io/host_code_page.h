// Text between the database's wide characters (UTF-16) and the host's single-byte code page, in
// which the host's records carry every text.
#pragma once

#include <string>
#include <string_view>

// A character the code page cannot show becomes '?'.
std::string ToHostCodePage(const std::u16string& wide);

// The same, written over `text`: for reading many values, which then cost no allocation once
// `text` has grown to their size.
void ToHostCodePage(std::u16string_view wide, std::string& text);

std::u16string FromHostCodePage(const std::string& text);
