// The locator map window. A strip of nine owner-drawn band buttons (Panel2) sits on a list view
// (LV1) in list style that holds the 324 fields; the list view asks before drawing each item, and
// LV1CustomDrawItem picks blue and underlined for the fields worked on the band shown. The window
// object lives from the window's first message to its last. The band shown is kept in the
// statistics window's settings ("CurrentBand"), the map's own placement in its own.
#include "ui/loc_list_win.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "scoring/band_names.h"
#include "ui/application_win.h"
#include "ui/form_placement_win.h"

namespace {
constexpr char kClassName[] = "TfmLocList";
constexpr char kPanelClassName[] = "TfmLocListStrip";
constexpr char kCaption[] = "Loc";
constexpr DWORD kStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOPMOST;
// The designed frame (outer size), in pixels.
constexpr int kLeft = 505;
constexpr int kTop = 164;
constexpr int kWidth = 548;
constexpr int kHeight = 372;

constexpr int kPanelHeight = 18;
constexpr int kPanelId = 1;
constexpr int kListId = 2;  // the band buttons' ids are their tags, inside the strip
constexpr DWORD kPanelStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
constexpr DWORD kBandButtonStyle = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;
constexpr UINT_PTR kBandButtonSubclass = 1;
constexpr UINT_PTR kListSubclass = 2;
constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | LVS_LIST | LVS_NOSORTHEADER;
constexpr DWORD kListExStyle = LVS_EX_DOUBLEBUFFER | LVS_EX_FLATSB;
constexpr int kColumnMargin = 10;  // pixels beside a field's two letters

// A checkerboard of the button face and its highlight, as a pressed toggle button shows it.
HBRUSH CreateDownPattern() {
  static const WORD kChecker[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
  const Bitmap bitmap(CreateBitmap(8, 8, 1, 1, kChecker));
  return bitmap.Get() ? CreatePatternBrush(bitmap.Get()) : nullptr;
}

}  // namespace

TfmLocList::TfmLocList(const WorkedFieldList& workedFields, TFormStorage& mainStorage,
                       TfmLocList*& openMap)
    : workedFields_(workedFields),
      mainStorage_(mainStorage),
      openMap_(&openMap),
      FormStorage1(settings_, HostExecutableBaseName(), LocListStorageOptions) {}

TfmLocList* TfmLocList::Create(const WorkedFieldList& workedFields, TFormStorage& mainStorage,
                               TfmLocList*& openMap) {
  RegisterWindowClasses();
  auto form = std::unique_ptr<TfmLocList>(new TfmLocList(workedFields, mainStorage, openMap));
  TfmLocList* created = form.get();
  // From WM_NCCREATE on, the window owns the object; a failed creation has deleted it again.
  const HWND window =
      CreateWindowExA(kExStyle, kClassName, kCaption, kStyle, kLeft, kTop, kWidth, kHeight,
                      Application.Handle(), nullptr, LibraryInstance(), &form);
  if (window == nullptr) {
    throw std::runtime_error("Cannot create the locator map window");
  }
  openMap = created;
  // An event's error box runs a message loop, which may end the window: look again after each.
  Application.RunEvent(window, [created] { created->RestorePlacement(); });
  if (TfmLocList* restored = FormWindow<TfmLocList>::Of(window)) {
    Application.RunEvent(window, [restored] { restored->FormShow(); });
  }
  TfmLocList* shown = FormWindow<TfmLocList>::Of(window);
  if (shown != nullptr) {
    ShowAndBringToFront(window);
  }
  return shown;
}

HWND TfmLocList::Handle() const {
  return handle_;
}

void TfmLocList::DestroyWithOwner() {
  DestroyWindow(handle_);  // saves the placement, then deletes this object
}

void TfmLocList::RegisterWindowClasses() {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);

  Application.RegisterWindowClass(FormWindowClass(kClassName, FormWindow<TfmLocList>::Proc));
  Application.RegisterWindowClass(FormWindowClass(kPanelClassName, PanelProc));
}

TfmLocList::~TfmLocList() {
  LeaveOwner();
}

void TfmLocList::LeaveOwner() {
  // A closed map may go after a new one has taken its place, or after its statistics window.
  if (openMap_ != nullptr && *openMap_ == this) {
    *openMap_ = nullptr;
  }
  openMap_ = nullptr;
}

// The strip passes its buttons' clicks and drawing on to the window, and lays them out itself.
LRESULT CALLBACK TfmLocList::PanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (TfmLocList* form = FormWindow<TfmLocList>::Of(GetParent(panel))) {
        form->Panel2Resize();
      }
      return 0;
    case WM_COMMAND:
    case WM_DRAWITEM:
      return SendMessageA(GetParent(panel), message, wParam, lParam);
    default:
      return DefWindowProcA(panel, message, wParam, lParam);
  }
}

LRESULT CALLBACK TfmLocList::BandButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR data) {
  auto* form = reinterpret_cast<TfmLocList*>(data);
  switch (message) {
    case WM_MOUSEMOVE:
      form->OnBandButtonMouseMove(button);
      break;
    case WM_MOUSELEAVE:
      form->OnBandButtonMouseLeave(button);
      break;
    case BM_GETCHECK:
      return form->OnBandButtonGetCheck(button);
    case WM_NCDESTROY:
      RemoveWindowSubclass(button, BandButtonProc, id);
      break;
    default:
      break;
  }
  return DefSubclassProc(button, message, wParam, lParam);
}

LRESULT CALLBACK TfmLocList::ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR) {
  switch (message) {
    case WM_ERASEBKGND:
      OnListEraseBackground(list, reinterpret_cast<HDC>(wParam));
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(list, ListProc, id);
      break;
    default:
      break;
  }
  return DefSubclassProc(list, message, wParam, lParam);
}

LRESULT TfmLocList::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate();
    case WM_SIZE:
      return OnSize(wParam);
    case WM_COMMAND:
      return OnCommand(wParam, lParam);
    case WM_DRAWITEM:
      return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_CLOSE:
      return OnClose();
    case WM_DESTROY:
      return OnDestroy();
    case CM_RELEASE:
      return OnRelease();
    default:
      return DefWindowProcA(handle_, message, wParam, lParam);
  }
}

LRESULT TfmLocList::OnCreate() {
  try {
    CreateControls();
  } catch (...) {
    return -1;  // the creation fails and is reported to the caller of Create
  }
  Application.RunEvent(handle_, [this] { FormCreate(); });
  // Laid out now, not at the first show: nothing the list view works out for its first size
  // (such as a scroll bar it does not need in the end) ever reaches the screen.
  OnSize(SIZE_RESTORED);
  return 0;
}

LRESULT TfmLocList::OnSize(WPARAM kind) {
  if (kind == SIZE_MINIMIZED) {
    return 0;  // keep the layout for the restore
  }
  RECT client;
  GetClientRect(handle_, &client);
  MoveWindow(Panel2, 0, 0, client.right, kPanelHeight, TRUE);
  MoveWindow(LV1, 0, kPanelHeight, client.right, std::max<int>(client.bottom - kPanelHeight, 0),
             TRUE);
  return 0;
}

LRESULT TfmLocList::OnCommand(WPARAM wParam, LPARAM lParam) {
  const auto sender = reinterpret_cast<HWND>(lParam);
  // An owner-drawn button reports a quick second click as a double click.
  const WORD code = HIWORD(wParam);
  if (TagOf(sender) != 0 && (code == BN_CLICKED || code == BN_DOUBLECLICKED)) {
    Application.RunEvent(handle_, [this, sender] { RzBitBtn1Click(sender); });
  }
  return 0;
}

LRESULT TfmLocList::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (TagOf(item.hwndItem) == 0) {
    return FALSE;
  }
  DrawBandButton(item);
  return TRUE;
}

LRESULT TfmLocList::OnNotify(NMHDR& header) {
  if (header.hwndFrom != LV1 || header.code != static_cast<UINT>(NM_CUSTOMDRAW)) {
    return 0;
  }
  try {
    return LV1CustomDrawItem(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
  } catch (...) {
    return CDRF_DODEFAULT;  // no message box in the middle of painting: the item draws plain
  }
}

LRESULT TfmLocList::OnClose() {
  const HWND window = handle_;
  Application.RunEvent(window, [this] { SaveOnClose(); });
  if (FormWindow<TfmLocList>::Of(window) == this) {
    FormClose();
    ShowWindow(window, SW_HIDE);
  }
  return 0;  // destroyed when the release request is dispatched
}

LRESULT TfmLocList::OnDestroy() {
  // The window is going: an error's box gets no owner.
  Application.RunEvent(nullptr, [this] { SaveOnDestroy(); });
  return 0;
}

LRESULT TfmLocList::OnRelease() {
  DestroyWindow(handle_);  // deletes this object
  return 0;
}

void TfmLocList::OnBandButtonMouseMove(HWND button) {
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

void TfmLocList::OnBandButtonMouseLeave(HWND button) {
  if (hotButton_ == button) {
    hotButton_ = nullptr;
    InvalidateRect(button, nullptr, FALSE);
  }
}

// The buttons answer like radio buttons: the one down is checked.
LRESULT TfmLocList::OnBandButtonGetCheck(HWND button) const {
  return TagOf(button) == downTag_ ? BST_CHECKED : BST_UNCHECKED;
}

// A list view in list style keeps a strip at its bottom free of items (room for a scroll bar);
// drawing double-buffered, Wine's copies its buffer without that strip, which would show whatever
// was there before. Nothing else is ever drawn below the items.
void TfmLocList::OnListEraseBackground(HWND list, HDC dc) {
  RECT items = {};
  SendMessageA(list, LVM_GETVIEWRECT, 0, reinterpret_cast<LPARAM>(&items));
  RECT below;
  GetClientRect(list, &below);
  below.top = std::max<LONG>(items.bottom, 0);
  const GdiObject<HBRUSH> background(
      CreateSolidBrush(static_cast<COLORREF>(SendMessageA(list, LVM_GETBKCOLOR, 0, 0))));
  FillRect(dc, &below, background.Get());
}

void TfmLocList::CreateControls() {
  font_ = DesignFont(RUSSIAN_CHARSET);
  underlinedFont_ = DesignFont(RUSSIAN_CHARSET, true);
  downPattern_ = GdiObject<HBRUSH>(CreateDownPattern());
  if (!font_.Get() || !underlinedFont_.Get() || !downPattern_.Get()) {
    throw std::runtime_error("Cannot create the locator map's fonts");
  }
  Panel2 = CreateWindowExA(0, kPanelClassName, "", kPanelStyle, 0, 0, 0, 0, handle_,
                           reinterpret_cast<HMENU>(kPanelId), LibraryInstance(), nullptr);
  if (Panel2 == nullptr) {
    throw std::runtime_error("Cannot create the band strip");
  }
  for (std::size_t i = 0; i < kBandButtonTags.size(); ++i) {
    bandButtons_[i] = CreateBandButton(kBandButtonTags[i]);
  }
  LV1 = CreateWindowExA(0, WC_LISTVIEWA, "", kListStyle, 0, 0, 0, 0, handle_,
                        reinterpret_cast<HMENU>(kListId), LibraryInstance(), nullptr);
  if (LV1 == nullptr || !SetWindowSubclass(LV1, ListProc, kListSubclass, 0)) {
    throw std::runtime_error("Cannot create the locator list");
  }
  SendMessageA(LV1, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
}

HWND TfmLocList::CreateBandButton(int tag) {
  const char* caption = BandNameOf(tag);
  const HWND created = CreateWindowExA(0, "BUTTON", caption, kBandButtonStyle, 0, 0, 0, 0, Panel2,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(tag)),
                                       LibraryInstance(), nullptr);
  if (created == nullptr || !SetWindowSubclass(created, BandButtonProc, kBandButtonSubclass,
                                               reinterpret_cast<DWORD_PTR>(this))) {
    throw std::runtime_error(std::string("Cannot create the band button ") + caption);
  }
  SendMessageA(created, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
  return created;
}

void TfmLocList::RestorePlacement() {
  const FormRestore restore = FormStorage1.Restore(PresentPlacement(handle_), PresentScreen(),
                                                   Application.Handle() != nullptr);
  ApplyFormRestore(handle_, restore, Application.Handle());  // still hidden: Create shows it
}

void TfmLocList::SaveOnClose() {
  FormStorage1.SaveOnClose(PresentPlacement(handle_), PresentScreen());
}

void TfmLocList::SaveOnDestroy() {
  FormStorage1.SaveOnDestroy(PresentPlacement(handle_), PresentScreen());
}

// The list view works out its own column width when it first paints its items; ours must come
// after that, so the list paints itself once, off the screen, first.
void TfmLocList::SizeColumns() {
  const MemoryDc offScreen;
  SendMessageA(LV1, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(offScreen.Get()), PRF_CLIENT);
  const auto letters = SendMessageA(LV1, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>("WW"));
  SendMessageA(LV1, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(letters + kColumnMargin, 0));
}

void TfmLocList::PutDown(int tag) {
  const int previous = downTag_;
  downTag_ = tag;
  for (std::size_t i = 0; i < kBandButtonTags.size(); ++i) {
    if (kBandButtonTags[i] == previous || kBandButtonTags[i] == tag) {
      InvalidateRect(bandButtons_[i], nullptr, FALSE);
    }
  }
}

int TfmLocList::TagOf(HWND button) const {
  for (std::size_t i = 0; i < kBandButtonTags.size(); ++i) {
    if (button != nullptr && bandButtons_[i] == button) {
      return kBandButtonTags[i];
    }
  }
  return 0;
}

void TfmLocList::DrawBandButton(const DRAWITEMSTRUCT& item) const {
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
  const SelectedObject font(dc, font_.Get());
  DrawTextA(dc, caption, -1, &bounds, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if ((item.itemState & ODS_FOCUS) != 0 && !plain) {
    InflateRect(&bounds, -1, -1);
    DrawFocusRect(dc, &bounds);
  }
}

void TfmLocList::FormCreate() {
  SendMessageA(LV1, LVM_SETEXTENDEDLISTVIEWSTYLE, kListExStyle, kListExStyle);
  captions_ = LocatorItemCaptions();
  SendMessageA(LV1, LVM_SETITEMCOUNT, captions_.size(), 0);
  for (std::size_t i = 0; i < captions_.size(); ++i) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(i);
    item.pszText = captions_[i].data();
    SendMessageA(LV1, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  SizeColumns();
}

void TfmLocList::FormShow() {
  SelectBand(StoredCurrentBand(mainStorage_));
}

void TfmLocList::SelectBand(int index) {
  if (IsBandButtonTag(index)) {
    PutDown(index);
  }
  BandPrefix = BandPrefixFor(index, BandPrefix);
  RedrawWindow(LV1, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  StoreCurrentBand(mainStorage_, index);
}

void TfmLocList::RzBitBtn1Click(HWND sender) {
  SelectBand(TagOf(sender));
}

LRESULT TfmLocList::LV1CustomDrawItem(NMLVCUSTOMDRAW& draw) const {
  if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
    return CDRF_NOTIFYITEMDRAW;
  }
  const std::size_t item = draw.nmcd.dwItemSpec;
  if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT || item >= captions_.size()) {
    return CDRF_DODEFAULT;
  }
  const ItemLook look = ItemLookFor(workedFields_, BandPrefix, captions_[item]);
  draw.clrText = RGB(look.red, look.green, look.blue);
  // Left selected: the list view draws the item with it and restores its own (CDRF_NEWFONT).
  SelectObject(draw.nmcd.hdc, look.underlined ? underlinedFont_.Get() : font_.Get());
  return CDRF_NEWFONT;
}

void TfmLocList::Panel2Resize() {
  RECT strip = {};  // the strip's first size comes before Panel2 is known: nothing to lay out
  GetClientRect(Panel2, &strip);
  const std::vector<bool> isBandButton(bandButtons_.size(), true);
  for (const ButtonLayout& place : LayOutBandButtons(strip.right, strip.bottom, isBandButton)) {
    const ButtonBounds& b = place.bounds;
    MoveWindow(bandButtons_[place.child], b.left, b.top, b.width, b.height, TRUE);
  }
}

void TfmLocList::FormClose() {
  Application.PostRelease(handle_);
  LeaveOwner();
}
