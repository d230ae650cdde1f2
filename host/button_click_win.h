// Pressing a button of the plug-in's windows from the host's side, as a person clicks it.
#pragma once

#include <string>

// Presses the first visible button whose caption is `caption` in one of this process's visible
// windows, and returns when the press has been handled. Throws std::runtime_error when there is
// none.
void ClickButton(const std::string& caption);
