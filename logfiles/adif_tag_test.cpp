#include "logfiles/adif_tag.h"

#include <gtest/gtest.h>

#include <string>

#include "logfiles/adif_tag_readings.h"

// Every shape of tag, placed at every distance from the end of the text: a short tag is read from
// one load only where sixteen bytes follow its '<', and the reading must not depend on that.
TEST(AdifTag, BothReadingsAgreeWhereverTheTagSits) {
  constexpr std::size_t kHuge = std::size_t{1} << 48;
  struct Case {
    std::string shape;
    AdifTagRead read;  // followed by blanks
    std::string name;
    bool hasLength;
    std::size_t length;
  } cases[] = {
      {"<CALL:6>", AdifTagRead::kTag, "CALL", true, 6},
      {"<call:6>", AdifTagRead::kTag, "call", true, 6},
      {"<GridSquare:4>", AdifTagRead::kTag, "GridSquare", true, 4},
      {"<EOR>", AdifTagRead::kTag, "EOR", false, 0},
      {"<eoh>", AdifTagRead::kTag, "eoh", false, 0},
      {"<CALL:4:S>", AdifTagRead::kTag, "CALL", true, 4},
      {"<CALL:4:>", AdifTagRead::kTag, "CALL", true, 4},
      {"<APP_X_Y:5:M>", AdifTagRead::kTag, "APP_X_Y", true, 5},
      {"<CALL:0006>", AdifTagRead::kTag, "CALL", true, 6},
      {"<C:00000000000006>", AdifTagRead::kTag, "C", true, 6},
      {"<C:99999999999999>", AdifTagRead::kTag, "C", true, 99999999999999},
      {"<CALL:99999999999999999999>", AdifTagRead::kTag, "CALL", true, kHuge},
      {"<MY_SIG_INFO_INTL:3>", AdifTagRead::kTag, "MY_SIG_INFO_INTL", true, 3},
      {"<A_NAME_LONGER_THAN_SIXTEEN_BYTES:2>", AdifTagRead::kTag,
       "A_NAME_LONGER_THAN_SIXTEEN_BYTES", true, 2},
      {"<b>", AdifTagRead::kTag, "b", false, 0},  // a '<' inside a value
      {"<:5>", AdifTagRead::kNoTag, "", false, 0},
      {"<::5>", AdifTagRead::kNoTag, "", false, 0},
      {"<>", AdifTagRead::kNoTag, "", false, 0},
      {"<CALL:>", AdifTagRead::kNoTag, "", false, 0},
      {"<CALL::S>", AdifTagRead::kNoTag, "", false, 0},
      {"<CALL:4:S:X>", AdifTagRead::kNoTag, "", false, 0},
      {"<CALL:4x>", AdifTagRead::kNoTag, "", false, 0},
      {"<CALL:-4>", AdifTagRead::kNoTag, "", false, 0},
      {"<CALL: 4>", AdifTagRead::kNoTag, "", false, 0},
      {"<CA<LL:4>", AdifTagRead::kNoTag, "", false, 0},
      {"<CALL:4<>", AdifTagRead::kNoTag, "", false, 0},
      {"<CALL:4:S<>", AdifTagRead::kNoTag, "", false, 0},
      {"<CALL:6", AdifTagRead::kNoTag, "", false, 0},  // cut, when the text ends here
      {"<CALL:", AdifTagRead::kNoTag, "", false, 0},
      {"<CALL:4:S", AdifTagRead::kCut, "", false, 0},  // blanks are part of a name or type
      {"<CALL", AdifTagRead::kCut, "", false, 0},
      {"<", AdifTagRead::kCut, "", false, 0},
  };
  constexpr std::size_t kOpen = 3;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shape);
    for (const char filler : {' ', '>', ':', '9'}) {
      for (std::size_t left = 0; left <= 32; ++left) {
        SCOPED_TRACE(testing::Message() << "followed by " << left << " x '" << filler << "'");
        const std::string text = "ab " + c.shape + std::string(left, filler);
        EXPECT_TRUE(AdifTagReadingsAgreeAt(text, kOpen));
      }
    }
    AdifTag tag;
    const std::string text = "ab " + c.shape + std::string(32, ' ');
    const AdifTagRead read = ReadAdifTag(text, kOpen, &tag);
    EXPECT_EQ(read, c.read);
    if (read == AdifTagRead::kTag && c.read == AdifTagRead::kTag) {
      EXPECT_EQ(tag.name, c.name);
      EXPECT_EQ(tag.hasLength, c.hasLength);
      EXPECT_EQ(tag.length, c.length);
      EXPECT_EQ(tag.end, kOpen + c.shape.size());
    }
  }
}

TEST(AdifTag, ATagCutByTheEndOfTheTextIsToldFromNoTag) {
  for (const char* text : {"<", "<CALL", "<CALL:", "<CALL:6", "<CALL:6:", "<CALL:6:S"}) {
    SCOPED_TRACE(text);
    AdifTag tag;
    EXPECT_EQ(ReadAdifTag(text, 0, &tag), AdifTagRead::kCut);
  }
}
