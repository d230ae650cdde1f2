#include "host/message_pump_win.h"

#include <windows.h>

void PumpWaiting() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    // A quit request has no meaning for a scripted host: the script decides when to stop.
    if (message.message == WM_QUIT) {
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void PumpFor(unsigned long milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    PumpWaiting();
  }
  PumpWaiting();
}
