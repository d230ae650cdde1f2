#include "ui/form_placement_win.h"

#include "ui/application_win.h"

FormPlacement ToFormPlacement(const WINDOWPLACEMENT& placement) {
  FormPlacement form;
  form.flags = static_cast<int>(placement.flags);
  form.showCmd = static_cast<int>(placement.showCmd);
  form.minPosition = {placement.ptMinPosition.x, placement.ptMinPosition.y};
  form.maxPosition = {placement.ptMaxPosition.x, placement.ptMaxPosition.y};
  const RECT& normal = placement.rcNormalPosition;
  form.normalPosition = {normal.left, normal.top, normal.right, normal.bottom};
  return form;
}

WINDOWPLACEMENT ToWindowPlacement(const FormPlacement& form) {
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  placement.flags = static_cast<UINT>(form.flags);
  placement.showCmd = static_cast<UINT>(form.showCmd);
  placement.ptMinPosition = {form.minPosition.x, form.minPosition.y};
  placement.ptMaxPosition = {form.maxPosition.x, form.maxPosition.y};
  const PlacementRect& normal = form.normalPosition;
  placement.rcNormalPosition = {normal.left, normal.top, normal.right, normal.bottom};
  return placement;
}

FormPlacement PresentPlacement(HWND window) {
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  GetWindowPlacement(window, &placement);
  return ToFormPlacement(placement);
}

void ApplyFormRestore(HWND window, const FormRestore& restore, HWND applicationWindow) {
  if (restore.placement) {
    WINDOWPLACEMENT placement = ToWindowPlacement(*restore.placement);
    placement.showCmd = IsWindowVisible(window) ? SW_SHOWNA : SW_HIDE;
    SetWindowPlacement(window, &placement);
  }
  if (restore.windowState == FormWindowState::kMaximised) {
    ShowWindow(window, SW_SHOWMAXIMIZED);
  }
  if (restore.minimiseApplication && applicationWindow != nullptr) {
    PostMessageA(applicationWindow, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  }
}

namespace {
// The screen's device context, released with its owner.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() {
    if (dc_) {
      ReleaseDC(nullptr, dc_);
    }
  }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};
}  // namespace

ScreenMetrics PresentScreen() {
  ScreenMetrics screen;
  const ScreenDc dc;
  if (dc.Get()) {
    screen.pixelsPerInch = GetDeviceCaps(dc.Get(), LOGPIXELSY);
  }
  screen.width = GetSystemMetrics(SM_CXSCREEN);
  screen.height = GetSystemMetrics(SM_CYSCREEN);
  return screen;
}

void RestoreFormSettings(FormStorage& storage, HWND window) {
  const FormRestore restore =
      storage.Restore(PresentPlacement(window), PresentScreen(), Application.Handle() != nullptr);
  ApplyFormRestore(window, restore, Application.Handle());
}

void SaveFormSettingsOnClose(FormStorage& storage, HWND window) {
  storage.SaveOnClose(PresentPlacement(window), PresentScreen());
}

void SaveFormSettingsOnDestroy(FormStorage& storage, HWND window) {
  storage.SaveOnDestroy(PresentPlacement(window), PresentScreen());
}

void SaveFormSettingsAheadOfDestroy(FormStorage& storage, HWND window) noexcept {
  try {
    storage.SaveAheadOfDestroy(PresentPlacement(window), PresentScreen());
  } catch (...) {
    // Shown when the destruction saves again.
  }
}
