#include "logfiles/contest_log.h"

#include "logfiles/log_text.h"

void OwnLocatorCollector::Add(std::string_view text) {
  text = TrimControl(text);
  // Locators differing after the square (JN75 and JN75UR) score alike: one square, one entry.
  const std::optional<int> square = SquareNumber(text);
  if (square && squares_.Insert(*square)) {
    locators_.push_back(UpperAscii(std::string(text)));
  }
}
