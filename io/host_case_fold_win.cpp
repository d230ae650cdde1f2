#include "io/host_case_fold_win.h"

#include <windows.h>

namespace {
unsigned char UpperInHostCodePage(unsigned char code) {
  const char byte = static_cast<char>(code);
  wchar_t wide = 0;
  if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &byte, 1, &wide, 1) != 1) {
    return code;
  }
  CharUpperBuffW(&wide, 1);
  char upper[2] = {};
  BOOL lost = FALSE;
  const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &wide, 1, upper,
                                         sizeof upper, nullptr, &lost);
  return length == 1 && !lost ? static_cast<unsigned char>(upper[0]) : code;
}

CaseFoldTable MakeHostCaseFold() {
  CaseFoldTable table;
  for (std::size_t code = 0; code < table.size(); ++code) {
    table[code] = UpperInHostCodePage(static_cast<unsigned char>(code));
  }
  return table;
}
}  // namespace

const CaseFoldTable& HostCaseFold() {
  static const CaseFoldTable table = MakeHostCaseFold();
  return table;
}
