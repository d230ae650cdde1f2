#include "ui/memo_win.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <stdexcept>
#include <utility>

#include "ui/application_win.h"
#include "ui/shown_text.h"

namespace {
constexpr char kFontFace[] = "Courier New";
// As designed, the memo holds one empty line: the line and its end.
constexpr char kDesignedText[] = "\r\n";
constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL;
constexpr UINT_PTR kMemoSubclass = 1;
// Posted to the control: hand it the newest text.
constexpr UINT kApplyTextMessage = WM_APP + 1;

// WM_GETTEXTLENGTH or WM_GETTEXT answered with `text` as the control answers them with its own:
// WM_GETTEXT copies at most wParam - 1 characters and a terminating zero.
LRESULT AnswerAnsi(const std::string& text, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETTEXTLENGTH) {
    return static_cast<LRESULT>(text.size());
  }
  if (wParam == 0) {
    return 0;
  }
  const std::size_t length = std::min<std::size_t>(text.size(), wParam - 1);
  char* buffer = reinterpret_cast<char*>(lParam);
  std::copy_n(text.data(), length, buffer);
  buffer[length] = '\0';
  return static_cast<LRESULT>(length);
}

// The same in wide characters, converted straight into the caller's buffer: nothing is allocated
// inside the window procedure.
LRESULT AnswerWide(const std::string& text, UINT message, WPARAM wParam, LPARAM lParam) {
  const int length = static_cast<int>(text.size());
  if (message == WM_GETTEXTLENGTH) {
    return MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
  }
  if (wParam == 0) {
    return 0;
  }
  const int room = static_cast<int>(std::min<WPARAM>(wParam - 1, INT_MAX));
  wchar_t* buffer = reinterpret_cast<wchar_t*>(lParam);
  const int copied =
      MultiByteToWideChar(CP_ACP, 0, text.data(), std::min(length, room), buffer, room);
  buffer[copied] = L'\0';
  return copied;
}

// The edit messages (EM_GETSEL to EM_GETIMESTATUS): they read or change the text in the control.
bool IsEditMessage(UINT message) {
  return message >= EM_GETSEL && message <= EM_GETIMESTATUS;
}
}  // namespace

Memo::~Memo() {
  Detach();
}

void Memo::Create(HWND parent) {
  handle_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", kDesignedText, kStyle, 0, 0, 0, 0, parent,
                            nullptr, LibraryInstance(), nullptr);
  if (handle_ == nullptr ||
      !SetWindowSubclass(handle_, ControlProc, kMemoSubclass, reinterpret_cast<DWORD_PTR>(this))) {
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
  pendingText_ = ShownText(text);
  if (applyPosted_) {
    return;
  }
  applyPosted_ = PostMessageA(handle_, kApplyTextMessage, 0, 0) != FALSE;
  if (!applyPosted_) {
    ApplyPendingText();  // a full queue: the control takes the text now
  }
}

// The control's messages come in its own character set: ANSI for the system's edit control,
// Unicode for the one of version 6 of the common controls, which the plug-in's windows use.
LRESULT CALLBACK Memo::ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR id, DWORD_PTR memo) {
  auto* self = reinterpret_cast<Memo*>(memo);
  switch (message) {
    case kApplyTextMessage:
      self->applyPosted_ = false;
      self->ApplyPendingText();
      return 0;
    case WM_GETTEXTLENGTH:
    case WM_GETTEXT:
      if (self->pendingText_) {
        return IsWindowUnicode(control) ? AnswerWide(*self->pendingText_, message, wParam, lParam)
                                        : AnswerAnsi(*self->pendingText_, message, wParam, lParam);
      }
      break;
    case WM_SETTEXT:
      self->pendingText_.reset();  // the text set now is the newest
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(control, ControlProc, id);
      self->handle_ = nullptr;
      break;
    default:
      if (IsEditMessage(message)) {
        self->ApplyPendingText();
      }
      break;
  }
  return DefSubclassProc(control, message, wParam, lParam);
}

void Memo::ApplyPendingText() {
  if (pendingText_) {
    const std::string text = std::move(*pendingText_);
    pendingText_.reset();
    SendMessageA(handle_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
}

void Memo::Detach() {
  if (handle_ != nullptr) {
    RemoveWindowSubclass(handle_, ControlProc, kMemoSubclass);
    handle_ = nullptr;
  }
}
