// The plug-in's windows use version 6 of the common controls, whether or not the host has a
// manifest asking for it: they are created inside the activation context made from the plug-in's
// own manifest resource (plugin/marovinta.rc). A host that asks for version 6 itself sees no
// change; one that does not keeps its own controls as they were.
#pragma once

#include <windows.h>

// CreateWindowExA with the plug-in's activation context active, so the window and the controls its
// WM_CREATE makes come from version 6. Without that context (no manifest support) it creates the
// window all the same, with the host's controls.
HWND CreateWindowWithVisualStyles(DWORD exStyle, const char* className, const char* caption,
                                  DWORD style, int left, int top, int width, int height, HWND owner,
                                  HMENU menu, HINSTANCE instance, void* parameter);
