// The locator map's rules apart from its controls: the 324 field items, the band buttons and their
// layout across the strip, the band shown and how a field is drawn for it.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "scoring/worked_fields.h"
#include "ui/form_storage.h"

// Every field, first letter A to R, and within it second letter R down to A: listed top to bottom
// in columns, the map reads north at the top and west at the left.
std::vector<std::string> LocatorItemCaptions();

// The map is a grid when each column holds the fields of one first letter.
inline constexpr int kFieldRowsPerColumn = 18;

struct FieldListFit {
  int rowHeight;   // pixels
  int listHeight;  // pixels, at most the height available
};

// Rows and list sized so that a column of the list holds exactly 18 items, where the window's
// height allows rows of at least `textRowHeight`; otherwise rows of that height, as many as fit.
// `reserved` is the part of the list's height that never holds items.
FieldListFit FitFieldRows(int available, int reserved, int textRowHeight);

// The band buttons in child order, which is their order from left to right, each by its tag: the
// band index, whose name in BandNames is the button's caption. "10" stands last.
inline constexpr std::array<int, 9> kBandButtonTags = {1, 2, 3, 5, 6, 7, 8, 9, 4};

// The band button first down in a new window.
inline constexpr int kDefaultDownTag = 4;

// True when one of the band buttons has the tag: only 1..9.
bool IsBandButtonTag(int tag);

struct ButtonBounds {
  int left;
  int top;
  int width;
  int height;
};

struct ButtonLayout {
  std::size_t child;  // position among the strip's children
  ButtonBounds bounds;
};

// The band strip's layout: its buttons side by side across it, equal widths, the last one taking
// the remainder less 4 pixels. `isBandButton` holds one entry per child of the strip, in child
// order. Empty when the strip has no width or no band button.
std::vector<ButtonLayout> LayOutBandButtons(int width, int height,
                                            const std::vector<bool>& isBandButton);

// The band text shown for `index`: the band's name for 1..9, else the text shown so far.
std::string BandPrefixFor(int index, const std::string& current);

struct ItemLook {
  int red;
  int green;
  int blue;
  bool underlined;  // otherwise the list's own regular style
};

// Blue and underlined when the band and field are among the worked fields, else black.
ItemLook ItemLookFor(const WorkedFieldList& workedFields, const std::string& bandPrefix,
                     const std::string& caption);

// SelectBand's last step: the statistics window's "CurrentBand" becomes the index, also when it
// already was.
void StoreCurrentBand(FormStorage& mainStorage, int index);

// The band to show as the map opens; throws std::runtime_error when "CurrentBand" is not a whole
// number.
int StoredCurrentBand(const FormStorage& mainStorage);
