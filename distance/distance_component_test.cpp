#include "distance/distance_component.h"

#include <gtest/gtest.h>

TEST(OleErrorMessage, DescriptionThenSystemTextThenCode) {
  struct Case {
    std::string description, systemText, message;
  } cases[] = {
      {"Invalid locator 'ZZ00'.", "The parameter is incorrect.", "Invalid locator 'ZZ00'"},
      {"Trailing stuff. .\r\n\t", "", "Trailing stuff"},
      {"...", "System text", "System text"},
      {"", "System text", "System text"},
      {" \r\n", "", "OLE error 80070057"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    EXPECT_EQ(OleErrorMessage(static_cast<HResult>(0x80070057), c.description, c.systemText),
              c.message);
  }
}
