// The window layer's side of the settings storage: a window's placement and the screen as the
// storage rules take them.
#pragma once

#include <windows.h>

#include "ui/form_storage.h"

FormPlacement ToFormPlacement(const WINDOWPLACEMENT& placement);
WINDOWPLACEMENT ToWindowPlacement(const FormPlacement& placement);

// The screen's pixels per inch and size in pixels now.
ScreenMetrics PresentScreen();
