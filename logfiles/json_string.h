// A text as a JSON string literal, for the JSON outputs of the scorer and the check.
#pragma once

#include <string>
#include <string_view>

// A JSON string literal. Bytes that are not UTF-8 are taken as Latin-1, as a logger of the
// plug-in's time wrote them.
std::string JsonString(std::string_view text);
