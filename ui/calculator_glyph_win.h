// The picture of the action RecalcStatistic and of the button bound to it: a calculator.
#pragma once

#include "ui/picture_button_win.h"

// Two 16-colour bitmaps of 16 x 16 pixels on the button face's colour; empty when the system
// cannot make them (the button then shows its caption alone).
Glyph CalculatorGlyph();
