// The window layer's side of the settings storage: a window's placement and the screen as the
// storage rules take them.
#pragma once

#include <windows.h>

#include "ui/form_storage.h"

FormPlacement ToFormPlacement(const WINDOWPLACEMENT& placement);
WINDOWPLACEMENT ToWindowPlacement(const FormPlacement& placement);

// The window's placement now.
FormPlacement PresentPlacement(HWND window);

// Applies what a restore read, as the window becomes visible. A placement does not show a window
// that is still hidden; a maximised state does. A minimised state goes to the application window.
void ApplyFormRestore(HWND window, const FormRestore& restore, HWND applicationWindow);

// The screen's pixels per inch and size in pixels now.
ScreenMetrics PresentScreen();

// A window's settings storage at work on the window as it now stands: the settings restored as it
// becomes visible, saved when its close has been allowed and as it is destroyed.
void RestoreFormSettings(FormStorage& storage, HWND window);
void SaveFormSettingsOnClose(FormStorage& storage, HWND window);
void SaveFormSettingsOnDestroy(FormStorage& storage, HWND window);
// What the destruction will save, written now: the host may end before the window is destroyed.
// A failure is left to the destruction's save, which shows it.
void SaveFormSettingsAheadOfDestroy(FormStorage& storage, HWND window) noexcept;
