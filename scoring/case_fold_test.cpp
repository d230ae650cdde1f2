#include "scoring/case_fold.h"

#include <gtest/gtest.h>

#include "scoring/text_rules.h"

TEST(AsciiCaseFold, FoldsOnlyTheLettersAToZ) {
  const CaseFoldTable& table = AsciiCaseFold();
  for (int code = 0; code < 256; ++code) {
    SCOPED_TRACE(code);
    const bool lower = code >= 'a' && code <= 'z';
    EXPECT_EQ(table[code], lower ? code - 'a' + 'A' : code);
  }
}

TEST(FoldWith, MapsEveryByteThroughTheTable) {
  CaseFoldTable table = AsciiCaseFold();
  table[0xE9] = 0xC9;  // as Windows-1252 folds e acute
  EXPECT_EQ(FoldWith(table, "14ko\xE9\xC9\xFF"), "14KO\xC9\xC9\xFF");
  EXPECT_EQ(FoldWith(table, std::string("a\0b", 3)), std::string("A\0B", 3));
  EXPECT_EQ(FoldWith(AsciiCaseFold(), "ko\xE9"), "KO\xE9");
}
