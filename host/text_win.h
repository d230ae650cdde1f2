// Conversions between the host's single-byte texts, the system's wide texts and UTF-8 output.
#pragma once

#include <string>

// Single-byte text in the process code page, as the host's records hold it, to wide text.
std::wstring Widen(const std::string& text);

// Wide text to UTF-8, for the transcript.
std::string Utf8(const std::wstring& text);

// The system's text for an error code, or "error N" where it has none.
std::string SystemMessage(unsigned long code);
