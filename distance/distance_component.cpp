#include "distance/distance_component.h"

#include <algorithm>
#include <cstdio>

#include "scoring/text_rules.h"

std::string OleErrorMessage(HResult code, const std::string& description,
                            const std::string& systemText) {
  std::string message(TrimTrailingControlAndStops(description));
  if (message.empty()) {
    message = systemText;
  }
  if (message.empty()) {
    char text[32];
    std::snprintf(text, sizeof text, "OLE error %.8x", static_cast<unsigned>(code));
    message = text;
  }
  return message;
}

void OleCheck(HResult code, DistanceComponent& component) {
  if (Failed(code)) {
    throw EOleException(
        OleErrorMessage(code, component.ErrorDescription(), component.SystemMessage(code)), code);
  }
}
