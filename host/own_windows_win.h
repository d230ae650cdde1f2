// This process's windows, found by their class: for the stand-in host, which presses the
// plug-in's buttons and answers its message boxes, and for the tests, which look at its windows.
// Class names compare as the system compares them, letter case ignored.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// This process's top-level windows, in the system's order (the topmost first).
std::vector<HWND> OwnWindows();
// Those of one class.
std::vector<HWND> OwnWindowsOfClass(const std::string& className);
// Every descendant of the window (children, grandchildren, ...) of the class, in the system's
// order.
std::vector<HWND> Descendants(HWND window, const std::string& className);

// This process's first dialog box on the screen (a message box, say), or nullptr.
HWND VisibleOwnDialog();
// The static control that shows a message box's text (its icon is a static control without
// text), or nullptr.
HWND MessageTextControl(HWND box);

std::string ClassName(HWND window);
std::string WindowText(HWND window);
