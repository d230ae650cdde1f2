// Reading one line of a host script: blank and comment lines, words, the free text at the end.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Empty, only blanks, or a comment: the first character that is no blank is '#'.
bool IsBlankOrComment(const std::string& line);

// The line without a trailing CR or LF and without leading and trailing blanks and tabs.
std::string TrimLine(const std::string& line);

// The words of the line, separated by blanks or tabs.
std::vector<std::string> Words(const std::string& line);

// What follows the first `count` words and the blanks after them, as it stands: a report such as
// "599 KO85", or a title with inner blanks.
std::string TextAfterWords(const std::string& line, std::size_t count);

// A whole decimal or 0x-prefixed hexadecimal number, or nothing.
std::optional<std::int64_t> ParseNumber(const std::string& text);
