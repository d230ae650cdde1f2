#include "distance/calc_dist.h"

#include <cstdio>

namespace {
std::string TrimTrailingBlanksAndStops(std::string text) {
  while (!text.empty() &&
         (static_cast<unsigned char>(text.back()) <= 32 || text.back() == '.')) {
    text.pop_back();
  }
  return text;
}
}  // namespace

std::string OleErrorMessage(HResult code, const std::string& description,
                            const std::string& systemText) {
  std::string message = TrimTrailingBlanksAndStops(description);
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

void OleCheck(HResult code, _CalcDistClass& component) {
  if (Failed(code)) {
    throw EOleException(
        OleErrorMessage(code, component.ErrorDescription(), component.SystemMessage(code)), code);
  }
}

std::wstring WidenLocator(const std::string& locator) {
  std::wstring wide;
  wide.reserve(locator.size());
  for (char c : locator) {
    wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
  }
  return wide;
}
