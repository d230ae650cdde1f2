// The locator map window. The band strip sits on a list view in list style that holds the 324
// fields; the list view asks before drawing each item, and FieldListCustomDraw picks blue and
// underlined for the fields worked on the band shown. The window object lives from the window's
// first message to its last. The band shown is kept in the statistics window's settings
// ("CurrentBand"), the map's own placement in its own.
#include "ui/loc_list_win.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "ui/application_win.h"
#include "ui/form_placement_win.h"

namespace {
constexpr FormDesign kDesign = {"TfmLocList", "Loc", 505, 164, 548, 372};

constexpr int kBandStripHeight = 18;
constexpr int kBandStripId = 1;
constexpr int kFieldListId = 2;  // the band buttons' ids are their tags, inside the strip
constexpr UINT_PTR kFieldListSubclass = 2;
constexpr DWORD kFieldListStyle =
    WS_CHILD | WS_VISIBLE | LVS_LIST | LVS_NOSORTHEADER | LVS_SHAREIMAGELISTS;
constexpr DWORD kFieldListExStyle = LVS_EX_DOUBLEBUFFER | LVS_EX_FLATSB;
constexpr int kColumnMargin = 10;      // pixels beside a field's two letters
constexpr int kProbeImageHeight = 64;  // rows of images this high show what the list adds to them

// A list in list style keeps a scroll bar's height and two pixels at its bottom free of items,
// whether the bar shows or not.
int FieldListReservedHeight() {
  return GetSystemMetrics(SM_CYHSCROLL) + 2;
}
}  // namespace

TfmLocList::TfmLocList(const WorkedFieldList& workedFields, FormStorage& mainStorage,
                       TfmLocList*& openMap)
    : workedFields_(workedFields),
      mainStorage_(mainStorage),
      openMap_(&openMap),
      formStorage_(settings_, HostExecutableBaseName(), kLocListStorageOptions) {}

TfmLocList* TfmLocList::Create(const WorkedFieldList& workedFields, FormStorage& mainStorage,
                               TfmLocList*& openMap) {
  RegisterControlClasses();
  auto form = std::unique_ptr<TfmLocList>(new TfmLocList(workedFields, mainStorage, openMap));
  TfmLocList* created = form.get();
  const HWND window = FormWindow<TfmLocList>::Create(std::move(form), kDesign,
                                                     "Cannot create the locator map window");
  openMap = created;
  // An event's error box runs a message loop, which may end the window: look again after each.
  // The placement comes back while the window is still hidden: it is shown last.
  Application.RunEvent(window,
                       [created, window] { RestoreFormSettings(created->formStorage_, window); });
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

void TfmLocList::SaveSettingsAheadOfDestroy() noexcept {
  SaveFormSettingsAheadOfDestroy(formStorage_, handle_);
}

// The classes of the controls the window creates as it is created.
void TfmLocList::RegisterControlClasses() {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  BandStrip::RegisterWindowClass();
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

LRESULT CALLBACK TfmLocList::FieldListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR id, DWORD_PTR) {
  switch (message) {
    case WM_ERASEBKGND:
      OnFieldListEraseBackground(list, reinterpret_cast<HDC>(wParam));
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(list, FieldListProc, id);
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
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_CLOSE:
      return OnClose();
    case WM_DESTROY:
      return OnDestroy();
    case kReleaseMessage:
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
  MoveWindow(bandStrip_.Handle(), 0, 0, client.right, kBandStripHeight, TRUE);
  // Each column one first letter: the map reads as the grid of fields.
  const FieldListFit fit = FitFieldRows(std::max<int>(client.bottom - kBandStripHeight, 0),
                                        FieldListReservedHeight(), textRowHeight_);
  SetRowHeight(fit.rowHeight);
  MoveWindow(fieldList_, 0, kBandStripHeight, client.right, fit.listHeight, TRUE);
  return 0;
}

LRESULT TfmLocList::OnCommand(WPARAM wParam, LPARAM lParam) {
  const auto sender = reinterpret_cast<HWND>(lParam);
  // An owner-drawn button reports a quick second click as a double click.
  const WORD code = HIWORD(wParam);
  if (bandStrip_.TagOf(sender) != 0 && (code == BN_CLICKED || code == BN_DOUBLECLICKED)) {
    Application.RunEvent(handle_, [this, sender] { BandButtonClick(sender); });
  }
  return 0;
}

LRESULT TfmLocList::OnNotify(NMHDR& header) {
  if (header.hwndFrom != fieldList_ || header.code != static_cast<UINT>(NM_CUSTOMDRAW)) {
    return 0;
  }
  try {
    return FieldListCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
  } catch (...) {
    return CDRF_DODEFAULT;  // no message box in the middle of painting: the item draws plain
  }
}

LRESULT TfmLocList::OnClose() {
  const HWND window = handle_;
  Application.RunEvent(window, [this] { SaveFormSettingsOnClose(formStorage_, handle_); });
  if (FormWindow<TfmLocList>::Of(window) == this) {
    FormClose();
    ShowWindow(window, SW_HIDE);
  }
  return 0;  // destroyed when the release request is dispatched
}

LRESULT TfmLocList::OnDestroy() {
  // The window is going: an error's box gets no owner.
  Application.RunEvent(nullptr, [this] { SaveFormSettingsOnDestroy(formStorage_, handle_); });
  return 0;
}

LRESULT TfmLocList::OnRelease() {
  DestroyWindow(handle_);  // deletes this object
  return 0;
}

// A list view in list style keeps a strip at its bottom free of items (room for a scroll bar);
// drawing double-buffered, Wine's copies its buffer without that strip, which would show whatever
// was there before. Nothing else is ever drawn below the items.
void TfmLocList::OnFieldListEraseBackground(HWND list, HDC dc) {
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
  if (!font_.Get() || !underlinedFont_.Get()) {
    throw std::runtime_error("Cannot create the locator map's fonts");
  }
  bandStrip_.Create(handle_, kBandStripId, font_.Get());
  fieldList_ = CreateWindowExA(0, WC_LISTVIEWA, "", kFieldListStyle, 0, 0, 0, 0, handle_,
                               reinterpret_cast<HMENU>(kFieldListId), LibraryInstance(), nullptr);
  if (fieldList_ == nullptr ||
      !SetWindowSubclass(fieldList_, FieldListProc, kFieldListSubclass, 0)) {
    throw std::runtime_error("Cannot create the locator list");
  }
  SendMessageA(fieldList_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
}

// The list view works out its own column width when it first paints its items; ours must come
// after that, so the list paints itself once, off the screen, first.
void TfmLocList::SizeColumns() {
  const MemoryDc offScreen;
  SendMessageA(fieldList_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(offScreen.Get()), PRF_CLIENT);
  const auto letters =
      SendMessageA(fieldList_, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>("WW"));
  SendMessageA(fieldList_, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(letters + kColumnMargin, 0));
}

// The rows' height as the list has it now, and what it makes of images of a known height.
void TfmLocList::MeasureRows() {
  textRowHeight_ = std::max(RowHeight(), 1);
  SetRowHeight(kProbeImageHeight);
  rowPadding_ = RowHeight() - kProbeImageHeight;
}

int TfmLocList::RowHeight() const {
  RECT bounds = {};
  bounds.left = LVIR_BOUNDS;
  SendMessageA(fieldList_, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&bounds));
  return bounds.bottom - bounds.top;
}

// A row is as high as the list's small images and what the list adds to them.
void TfmLocList::SetRowHeight(int height) {
  const int imageHeight = std::max(height - rowPadding_, 1);
  if (imageHeight == rowImagesHeight_) {
    return;
  }
  ImageList images(ImageList_Create(1, imageHeight, ILC_COLOR, 0, 1));
  if (!images) {
    return;  // the rows keep their height
  }
  SendMessageA(fieldList_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images.get()));
  rowImages_ = std::move(images);  // the list view has given up the one it used before
  rowImagesHeight_ = imageHeight;
}

void TfmLocList::FormCreate() {
  SendMessageA(fieldList_, LVM_SETEXTENDEDLISTVIEWSTYLE, kFieldListExStyle, kFieldListExStyle);
  captions_ = LocatorItemCaptions();
  SendMessageA(fieldList_, LVM_SETITEMCOUNT, captions_.size(), 0);
  for (std::size_t i = 0; i < captions_.size(); ++i) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(i);
    item.pszText = captions_[i].data();
    SendMessageA(fieldList_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  MeasureRows();
  SizeColumns();
}

void TfmLocList::FormShow() {
  SelectBand(StoredCurrentBand(mainStorage_));
}

void TfmLocList::SelectBand(int index) {
  if (IsBandButtonTag(index)) {
    bandStrip_.PutDown(index);
  }
  BandPrefix = BandPrefixFor(index, BandPrefix);
  RedrawWindow(fieldList_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  StoreCurrentBand(mainStorage_, index);
}

void TfmLocList::BandButtonClick(HWND sender) {
  SelectBand(bandStrip_.TagOf(sender));
}

LRESULT TfmLocList::FieldListCustomDraw(NMLVCUSTOMDRAW& draw) const {
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

void TfmLocList::FormClose() {
  Application.PostRelease(handle_);
  LeaveOwner();
}
