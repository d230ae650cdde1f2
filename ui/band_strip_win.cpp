#include "ui/band_strip_win.h"

#include <commctrl.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "scoring/band_names.h"
#include "ui/application_win.h"
#include "ui/form_window_win.h"

namespace {
constexpr char kClassName[] = "TfmLocListStrip";
constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;
constexpr UINT_PTR kButtonSubclass = 1;

// A checkerboard of the button face and its highlight, as a pressed toggle button shows it.
HBRUSH CreateDownPattern() {
  static const WORD kChecker[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
  const Bitmap bitmap(CreateBitmap(8, 8, 1, 1, kChecker));
  return bitmap.Get() ? CreatePatternBrush(bitmap.Get()) : nullptr;
}
}  // namespace

void BandStrip::RegisterWindowClass() {
  Application.RegisterWindowClass(FormWindowClass(kClassName, StripProc));
}

void BandStrip::Create(HWND parent, int id, HFONT font) {
  font_ = font;
  downPattern_ = GdiObject<HBRUSH>(CreateDownPattern());
  if (!downPattern_.Get()) {
    throw std::runtime_error("Cannot create the band strip");
  }
  // The strip knows this object from its first message on.
  if (CreateWindowExA(0, kClassName, "", kStyle, 0, 0, 0, 0, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), LibraryInstance(),
                      this) == nullptr) {
    throw std::runtime_error("Cannot create the band strip");
  }
  for (std::size_t i = 0; i < kBandButtonTags.size(); ++i) {
    buttons_[i] = CreateButton(kBandButtonTags[i]);
  }
}

// Lays its buttons out and draws them itself; their clicks are the window's.
LRESULT CALLBACK BandStrip::StripProc(HWND strip, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created =
        static_cast<BandStrip*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    created->handle_ = strip;
    SetWindowLongPtrA(strip, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* self = reinterpret_cast<BandStrip*>(GetWindowLongPtrA(strip, GWLP_USERDATA));
  if (self == nullptr) {
    return DefWindowProcA(strip, message, wParam, lParam);
  }
  switch (message) {
    case WM_SIZE:
      self->LayOut();
      return 0;
    case WM_DRAWITEM:
      return self->OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_COMMAND:
      return SendMessageA(GetParent(strip), message, wParam, lParam);
    default:
      return DefWindowProcA(strip, message, wParam, lParam);
  }
}

LRESULT CALLBACK BandStrip::ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR strip) {
  auto* self = reinterpret_cast<BandStrip*>(strip);
  switch (message) {
    case WM_MOUSEMOVE:
      self->OnButtonMouseMove(button);
      break;
    case WM_MOUSELEAVE:
      self->OnButtonMouseLeave(button);
      break;
    case BM_GETCHECK:
      return self->OnButtonGetCheck(button);
    case WM_NCDESTROY:
      RemoveWindowSubclass(button, ButtonProc, id);
      break;
    default:
      break;
  }
  return DefSubclassProc(button, message, wParam, lParam);
}

HWND BandStrip::CreateButton(int tag) {
  const char* caption = BandNameOf(tag);
  const HWND created = CreateWindowExA(0, "BUTTON", caption, kButtonStyle, 0, 0, 0, 0, handle_,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(tag)),
                                       LibraryInstance(), nullptr);
  if (created == nullptr ||
      !SetWindowSubclass(created, ButtonProc, kButtonSubclass, reinterpret_cast<DWORD_PTR>(this))) {
    throw std::runtime_error(std::string("Cannot create the band button ") + caption);
  }
  SendMessageA(created, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  return created;
}

// Its first size comes before its buttons exist: nothing to lay out then.
void BandStrip::LayOut() {
  RECT strip = {};
  GetClientRect(handle_, &strip);
  const std::vector<bool> isBandButton(buttons_.size(), true);
  for (const ButtonLayout& place : LayOutBandButtons(strip.right, strip.bottom, isBandButton)) {
    const ButtonBounds& b = place.bounds;
    MoveWindow(buttons_[place.child], b.left, b.top, b.width, b.height, TRUE);
  }
}

int BandStrip::TagOf(HWND button) const {
  for (std::size_t i = 0; i < kBandButtonTags.size(); ++i) {
    if (button != nullptr && buttons_[i] == button) {
      return kBandButtonTags[i];
    }
  }
  return 0;
}

void BandStrip::PutDown(int tag) {
  const int previous = downTag_;
  downTag_ = tag;
  for (std::size_t i = 0; i < kBandButtonTags.size(); ++i) {
    if (kBandButtonTags[i] == previous || kBandButtonTags[i] == tag) {
      InvalidateRect(buttons_[i], nullptr, FALSE);
    }
  }
}

LRESULT BandStrip::OnDrawItem(const DRAWITEMSTRUCT& item) const {
  if (TagOf(item.hwndItem) == 0) {
    return FALSE;
  }
  DrawButton(item);
  return TRUE;
}

void BandStrip::OnButtonMouseMove(HWND button) {
  if (hotButton_ == button) {
    return;
  }
  if (hotButton_ != nullptr) {
    InvalidateRect(hotButton_, nullptr, FALSE);
  }
  hotButton_ = button;
  TRACKMOUSEEVENT leave = {sizeof leave, TME_LEAVE, button, 0};
  TrackMouseEvent(&leave);
  InvalidateRect(button, nullptr, FALSE);
}

void BandStrip::OnButtonMouseLeave(HWND button) {
  if (hotButton_ == button) {
    hotButton_ = nullptr;
    InvalidateRect(button, nullptr, FALSE);
  }
}

// The buttons answer like radio buttons: the one down is checked.
LRESULT BandStrip::OnButtonGetCheck(HWND button) const {
  return TagOf(button) == downTag_ ? BST_CHECKED : BST_UNCHECKED;
}

void BandStrip::DrawButton(const DRAWITEMSTRUCT& item) const {
  const int tag = TagOf(item.hwndItem);
  const bool down = tag == downTag_ || (item.itemState & ODS_SELECTED) != 0;
  const bool hot = item.hwndItem == hotButton_;
  const bool plain = tag == kDefaultDownTag;  // "10": no down pattern, no focus rectangle
  const HDC dc = item.hDC;
  RECT bounds = item.rcItem;
  if (down && !plain) {
    SetTextColor(dc, GetSysColor(COLOR_BTNFACE));
    SetBkColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    FillRect(dc, &bounds, downPattern_.Get());
  } else {
    FillRect(dc, &bounds, GetSysColorBrush(hot ? COLOR_BTNHIGHLIGHT : COLOR_BTNFACE));
  }
  DrawEdge(dc, &bounds, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
  if (down) {
    OffsetRect(&bounds, 1, 1);
  }
  char caption[16] = "";
  GetWindowTextA(item.hwndItem, caption, sizeof caption);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(hot ? COLOR_HOTLIGHT : COLOR_BTNTEXT));
  const SelectedObject font(dc, font_);
  DrawTextA(dc, caption, -1, &bounds, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if ((item.itemState & ODS_FOCUS) != 0 && !plain) {
    InflateRect(&bounds, -1, -1);
    DrawFocusRect(dc, &bounds);
  }
}
