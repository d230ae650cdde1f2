// What a text control shows of a text of the host's: a NUL would end the text there, and control
// characters would run lines together or apart, so each shows as '?'. Tabs and the line ends
// (CR LF) stay: the report's columns and lines are made of them.
#pragma once

#include <string>
#include <string_view>

std::string ShownText(std::string_view text);
