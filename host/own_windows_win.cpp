#include "host/own_windows_win.h"

namespace {
constexpr char kDialogClass[] = "#32770";

bool HasClass(HWND window, const std::string& className) {
  return lstrcmpiA(ClassName(window).c_str(), className.c_str()) == 0;
}

bool IsOwn(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process == GetCurrentProcessId();
}

BOOL CALLBACK Collect(HWND window, LPARAM windows) {
  reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
  return TRUE;
}

std::vector<HWND> OfClass(const std::vector<HWND>& windows, const std::string& className) {
  std::vector<HWND> found;
  for (HWND window : windows) {
    if (HasClass(window, className)) {
      found.push_back(window);
    }
  }
  return found;
}
}  // namespace

std::vector<HWND> OwnWindows() {
  std::vector<HWND> all;
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&all));
  std::vector<HWND> own;
  for (HWND window : all) {
    if (IsOwn(window)) {
      own.push_back(window);
    }
  }
  return own;
}

std::vector<HWND> OwnWindowsOfClass(const std::string& className) {
  return OfClass(OwnWindows(), className);
}

std::vector<HWND> Descendants(HWND window, const std::string& className) {
  std::vector<HWND> all;
  EnumChildWindows(window, Collect, reinterpret_cast<LPARAM>(&all));
  return OfClass(all, className);
}

HWND VisibleOwnDialog() {
  for (HWND dialog : OwnWindowsOfClass(kDialogClass)) {
    if (IsWindowVisible(dialog)) {
      return dialog;
    }
  }
  return nullptr;
}

HWND MessageTextControl(HWND box) {
  for (HWND text : Descendants(box, "Static")) {
    if (GetWindowTextLengthA(text) > 0) {
      return text;
    }
  }
  return nullptr;
}

std::string ClassName(HWND window) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string WindowText(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), text.size())));
  return text;
}
