// A text of a log in JSON, for the JSON outputs of the scorer and the check: one rule for both.
#pragma once

#include <nlohmann/json_fwd.hpp>
#include <string>
#include <string_view>

// A JSON string value. Bytes that are not UTF-8 are taken as Latin-1, as a logger of the
// plug-in's time wrote them (Utf8Text); the JSON library escapes what JSON must.
nlohmann::ordered_json JsonText(std::string_view text);

// The same as a JSON string literal, for output written piece by piece.
std::string JsonString(std::string_view text);
