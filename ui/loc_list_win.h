// The locator map window TfmLocList: all 324 locator fields of one band, the worked ones drawn in
// blue and underlined, with a strip of nine band buttons. It lives at most as long as the
// statistics window that opened it, but is a top-level window of its own (no Win32 owner).
#pragma once

#include <windows.h>

#include "scoring/main_form_scoring.h"
#include "scoring/worked_fields.h"
#include "ui/form_storage.h"

class TfmLocList : public LocatorMapView {
 public:
  // Creates the map for a statistics window: reads its worked fields, and reads and sets its
  // stored "CurrentBand". Sets fmLocList, restores the map's placement, runs FormShow and shows
  // the window. An error in a window event is shown in a message box.
  static TfmLocList* Create(const WorkedFieldList& workedFields, TFormStorage& mainStorage);

  HWND Handle() const;
  void SelectBand(int index) override;
  // Destroys the window at once (its statistics window is going); saves its placement first.
  void DestroyWithOwner();
};

// The one map window, or nullptr; cleared whenever the map window goes.
extern TfmLocList* fmLocList;
