#include "scoring/case_fold.h"

#include "scoring/text_rules.h"

namespace {
CaseFoldTable MakeAsciiCaseFold() {
  CaseFoldTable table;
  for (std::size_t code = 0; code < table.size(); ++code) {
    table[code] = static_cast<unsigned char>(UpperAscii(static_cast<char>(code)));
  }
  return table;
}
}  // namespace

const CaseFoldTable& AsciiCaseFold() {
  static const CaseFoldTable table = MakeAsciiCaseFold();
  return table;
}

std::string FoldWith(const CaseFoldTable& table, std::string text) {
  for (char& c : text) {
    c = static_cast<char>(table[static_cast<unsigned char>(c)]);
  }
  return text;
}
