// What the host can see of the plug-in's statistics window from outside: its state and the report
// in its edit control.
#pragma once

#include <windows.h>

#include <string>

// "window 0x... visible|hidden normal|minimised [topmost] caption '...'", or "no window".
std::string DescribeWindow(HWND window);

// The text of the window's first edit control, line breaks as LF. Throws std::runtime_error when
// the window or its edit control does not exist.
std::string ReadReport(HWND window);

std::string HandleText(HWND window);
