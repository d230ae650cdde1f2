// The encodings a log file may come in. The readers take single-byte text: UTF-8 and the host's
// single-byte code page pass as they are, UTF-16 with a byte-order mark is turned into single
// bytes, and any other encoding is refused by name.
#pragma once

#include <string>
#include <string_view>

// `content` as single-byte text: `content` itself, or the UTF-16 text decoded into `decoded`, one
// byte per code unit ('?' for a code unit above 255, as the host's code page would show it).
// Throws LogError naming the encoding of a text marked as UTF-32, UTF-7 or another encoding.
std::string_view SingleByteText(std::string_view content, std::string& decoded);

// `text` without the UTF-8 byte-order mark it may begin with.
std::string_view WithoutUtf8Mark(std::string_view text);

// What a file that no reader recognises seems to be instead ("a ZIP archive", "UTF-16 text
// without a byte-order mark"), or empty when it looks like text.
std::string UnreadableKind(std::string_view content);
