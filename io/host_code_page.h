// Text between the database's wide characters (UTF-16) and the host's single-byte code page, in
// which the host's records carry every text.
#pragma once

#include <string>

// A character the code page cannot show becomes '?'.
std::string ToHostCodePage(const std::u16string& wide);

std::u16string FromHostCodePage(const std::string& text);
