// The locator map's band strip: nine owner-drawn band buttons side by side across the top of the
// map, one of them down like a pressed toggle button, the one under the mouse lit. The strip lays
// its buttons out whenever its size changes and draws them itself; their clicks go on to the
// window it sits in, which tells the band by TagOf.
#pragma once

#include <windows.h>

#include <array>

#include "ui/gdi_object_win.h"
#include "ui/locator_map_rules.h"

class BandStrip {
 public:
  BandStrip() = default;
  BandStrip(const BandStrip&) = delete;
  BandStrip& operator=(const BandStrip&) = delete;

  // Registers the strip's window class, once; before the window the strip goes into is created.
  static void RegisterWindowClass();
  // Creates the strip in `parent` with the child id `id`, and its buttons, whose captions use
  // `font` (the window's, which outlives them). Throws std::runtime_error when it cannot.
  void Create(HWND parent, int id, HFONT font);
  HWND Handle() const { return handle_; }

  // The tag of a band button, or 0 for any other window.
  int TagOf(HWND button) const;
  // Puts the button with the tag down and the one down before up.
  void PutDown(int tag);

 private:
  static LRESULT CALLBACK StripProc(HWND strip, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR strip);

  HWND CreateButton(int tag);
  void LayOut();
  LRESULT OnDrawItem(const DRAWITEMSTRUCT& item) const;
  void OnButtonMouseMove(HWND button);
  void OnButtonMouseLeave(HWND button);
  LRESULT OnButtonGetCheck(HWND button) const;
  void DrawButton(const DRAWITEMSTRUCT& item) const;

  HWND handle_ = nullptr;
  std::array<HWND, kBandButtonTags.size()> buttons_{};  // in child order, as the tags
  int downTag_ = kDefaultDownTag;
  HWND hotButton_ = nullptr;  // the button under the mouse
  HFONT font_ = nullptr;      // the window's
  GdiObject<HBRUSH> downPattern_;
};
