// The stand-in distance component's entry in the registry: its class id, served in-process by
// this DLL, apartment-threaded.
#pragma once

#include <windows.h>

HRESULT RegisterCalcDistServer(const wchar_t* dllPath);
HRESULT UnregisterCalcDistServer();
