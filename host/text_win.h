// Conversions between the host's single-byte texts, the system's wide texts and UTF-8 output.
#pragma once

#include <string>

#include "io/host_code_page_win.h"

// Wide text to UTF-8, for the transcript.
std::string Utf8(const std::wstring& text);

// The system's text for an error code, or "error N" where it has none.
std::string SystemMessage(unsigned long code);
