#include "ui/main_form_win.h"

#include <memory>
#include <stdexcept>

#include "distance/co_calc_dist_win.h"
#include "ui/application_win.h"

TfmMainForm* fmMainForm = nullptr;

namespace {
constexpr char kClassName[] = "TfmMainForm";
constexpr char kDesignedCaption[] = "Marovinta";
constexpr DWORD kStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOPMOST;
// The designed frame (outer size), in pixels.
constexpr int kLeft = 579;
constexpr int kTop = 167;
constexpr int kWidth = 374;
constexpr int kHeight = 196;
}  // namespace

TfmMainForm* TfmMainForm::Create(const TContestData& data) {
  RegisterWindowClass();
  auto form = std::unique_ptr<TfmMainForm>(new TfmMainForm());
  TfmMainForm* created = form.get();
  // From WM_NCCREATE on, the window owns the object; a failed creation has deleted it again.
  if (CreateWindowExA(kExStyle, kClassName, kDesignedCaption, kStyle, kLeft, kTop, kWidth, kHeight,
                      Application.Handle(), nullptr, LibraryInstance(), &form) == nullptr) {
    throw std::runtime_error("Cannot create the statistics window");
  }
  CurrentData = data;
  created->SetCaption();
  created->FormCreate();
  return created;
}

void TfmMainForm::RegisterWindowClass() {
  WNDCLASSEXA windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  Application.RegisterWindowClass(windowClass);
}

LRESULT CALLBACK TfmMainForm::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE && !Attach(window, *reinterpret_cast<const CREATESTRUCTA*>(lParam))) {
    return FALSE;
  }
  auto* form = reinterpret_cast<TfmMainForm*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (form == nullptr) {
    return DefWindowProcA(window, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {
    Detach(form);
    return DefWindowProcA(window, message, wParam, lParam);
  }
  return form->HandleMessage(message, wParam, lParam);
}

bool TfmMainForm::Attach(HWND window, const CREATESTRUCTA& creation) {
  try {
    Application.AddWindow(window);
  } catch (...) {
    return false;  // out of memory: the creation fails and Create still owns the object
  }
  auto* owner = static_cast<std::unique_ptr<TfmMainForm>*>(creation.lpCreateParams);
  TfmMainForm* form = owner->release();
  form->handle_ = window;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  return true;
}

void TfmMainForm::Detach(TfmMainForm* form) {
  SetWindowLongPtrA(form->handle_, GWLP_USERDATA, 0);
  Application.RemoveWindow(form->handle_);
  // A window released by _Release may go after a new one has taken its place.
  if (fmMainForm == form) {
    fmMainForm = nullptr;
  }
  delete form;
}

LRESULT TfmMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate();
    case WM_SIZE:
      return OnSize();
    case WM_SHOWWINDOW:
      return OnShowWindow(message, wParam, lParam);
    case CM_RELEASE:
      return OnRelease();
    case WM_COMMAND:
      return OnCommand(wParam, lParam);
    case WM_DESTROY:
      return OnDestroy();
    default:
      return DefWindowProcA(handle_, message, wParam, lParam);
  }
}

LRESULT TfmMainForm::OnCreate() {
  try {
    myStatisticM.Create(handle_);
    BitBtn2 = CreateWindowExA(0, "BUTTON", "Loc", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 75,
                              22, handle_, nullptr, LibraryInstance(), nullptr);
    return 0;
  } catch (...) {
    return -1;  // the creation fails and is reported to the caller of Create
  }
}

LRESULT TfmMainForm::OnSize() {
  RECT client;
  GetClientRect(handle_, &client);
  myStatisticM.SetBounds(client);
  return 0;
}

LRESULT TfmMainForm::OnShowWindow(UINT message, WPARAM wParam, LPARAM lParam) {
  if (wParam != FALSE && !shown_) {
    shown_ = true;
    Application.RunEvent(handle_, [this] { FormShow(); });
  }
  return DefWindowProcA(handle_, message, wParam, lParam);
}

LRESULT TfmMainForm::OnRelease() {
  DestroyWindow(handle_);  // deletes this object
  return 0;
}

LRESULT TfmMainForm::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (reinterpret_cast<HWND>(lParam) == BitBtn2 && HIWORD(wParam) == BN_CLICKED) {
    BitBtn2Click();
  }
  return 0;
}

LRESULT TfmMainForm::OnDestroy() {
  if (fmLocList != nullptr) {
    fmLocList->DestroyWithOwner();
  }
  return 0;
}

void TfmMainForm::BitBtn2Click() {
  if (fmLocList == nullptr) {
    Application.RunEvent(handle_,
                         [this] { TfmLocList::Create(scoring_.WorkedFields, FormStorage1); });
  }
}

void TfmMainForm::SetCaption() {
  const std::string caption = CurrentData.TitleText.Read() + " in " + kDesignedCaption;
  SetWindowTextA(handle_, caption.c_str());
}

void TfmMainForm::FormCreate() {
  Application.RunEvent(handle_,
                       [this] { scoring_.CreateDistanceComponent(CreateCalcDistOverCom); });
}

void TfmMainForm::FormShow() {
  scoring_.ShowStatistic();
}
