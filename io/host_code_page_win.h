// The host's single-byte texts (the process's ANSI code page) to and from the system's wide texts.
#pragma once

#include <string>

std::wstring WidenHostText(const std::string& text);

// A character the code page cannot show becomes the system's default character.
std::string NarrowToHostText(const std::wstring& wide);
