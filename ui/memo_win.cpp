#include "ui/memo_win.h"

#include <stdexcept>

#include "ui/application_win.h"
#include "ui/shown_text.h"

namespace {
constexpr char kFontFace[] = "Courier New";
// As designed, the memo holds one empty line: the line and its end.
constexpr char kDesignedText[] = "\r\n";
constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL;
}  // namespace

void Memo::Create(HWND parent) {
  handle_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", kDesignedText, kStyle, 0, 0, 0, 0, parent,
                            nullptr, LibraryInstance(), nullptr);
  if (handle_ == nullptr) {
    throw std::runtime_error("Cannot create the report memo");
  }
  font_ = MakeFont(kEightPointHeight, kFontFace, RUSSIAN_CHARSET, FIXED_PITCH | FF_MODERN);
  if (font_.Get() != nullptr) {
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
  }
}

void Memo::SetBounds(const RECT& bounds) {
  MoveWindow(handle_, bounds.left, bounds.top, bounds.right - bounds.left,
             bounds.bottom - bounds.top, TRUE);
}

void Memo::SetText(const std::string& text) {
  SetWindowTextA(handle_, ShownText(text).c_str());
}
