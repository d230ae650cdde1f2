// A stand-in of the locator map window: an empty top-level window that closes normally and
// records the band it is asked to show. The map itself comes with its own change.
#include "ui/loc_list_win.h"

#include <memory>
#include <stdexcept>
#include <string>

#include "ui/application_win.h"

TfmLocList* fmLocList = nullptr;

namespace {
constexpr char kClassName[] = "TfmLocList";
constexpr char kCaption[] = "Loc";
constexpr DWORD kStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// The map's state, which the declared class leaves to its implementation.
class LocListWindow : public TfmLocList {
 public:
  explicit LocListWindow(TFormStorage& storage) : mainStorage(storage) {}
  HWND handle = nullptr;
  TFormStorage& mainStorage;
};

LocListWindow& State(TfmLocList& map) {
  return static_cast<LocListWindow&>(map);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* map = reinterpret_cast<LocListWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
    case WM_NCCREATE:
      // From here on the window owns the object.
      map = static_cast<std::unique_ptr<LocListWindow>*>(
                reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams)
                ->release();
      map->handle = window;
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(map));
      Application.AddWindow(window);
      break;
    case WM_CLOSE:
      Application.PostRelease(window);
      if (fmLocList == map) {
        fmLocList = nullptr;
      }
      ShowWindow(window, SW_HIDE);
      return 0;
    case CM_RELEASE:
      DestroyWindow(window);
      return 0;
    case WM_NCDESTROY:
      Application.RemoveWindow(window);
      if (fmLocList == map) {
        fmLocList = nullptr;
      }
      delete map;
      break;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
}  // namespace

TfmLocList* TfmLocList::Create(const WorkedFieldList& /*workedFields*/, TFormStorage& mainStorage) {
  WNDCLASSEXA windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  Application.RegisterWindowClass(windowClass);
  auto owner = std::make_unique<LocListWindow>(mainStorage);
  LocListWindow* map = owner.get();
  if (CreateWindowExA(WS_EX_TOPMOST, kClassName, kCaption, kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, Application.Handle(), nullptr,
                      LibraryInstance(), &owner) == nullptr) {
    throw std::runtime_error("Cannot create the locator map window");
  }
  fmLocList = map;
  ShowAndBringToFront(map->handle);
  return map;
}

HWND TfmLocList::Handle() const {
  return State(const_cast<TfmLocList&>(*this)).handle;
}

void TfmLocList::SelectBand(int index) {
  State(*this).mainStorage.SetStoredValue(CurrentBandName, std::to_string(index));
}

void TfmLocList::DestroyWithOwner() {
  DestroyWindow(State(*this).handle);
}
