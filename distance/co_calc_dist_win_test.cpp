// The COM client against the stand-in component registered in the test prefix.
#include "distance/co_calc_dist_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "distance/maidenhead.h"

TEST(CoCalcDist, ComputesThroughTheRegisteredComponent) {
  const auto component = CreateCalcDistOverCom();
  ASSERT_NE(component, nullptr);

  float latitude = 0;
  float longitude = 0;
  EXPECT_EQ(component->GetCoordA(L"KO72", &latitude), S_OK);
  EXPECT_EQ(component->GetCoordB(L"KO72", &longitude), S_OK);
  EXPECT_FLOAT_EQ(latitude, 52.5f);
  EXPECT_FLOAT_EQ(longitude, 35.0f);

  float km = 0;
  EXPECT_EQ(component->GetDistance(51.5f, 7.0f, latitude, longitude, &km), S_OK);
  EXPECT_FLOAT_EQ(km, static_cast<float>(GreatCircleKm({51.5, 7.0}, {52.5, 35.0})));
  EXPECT_EQ(component->ErrorDescription(), "");
}

TEST(CoCalcDist, AFailureCarriesTheComponentsDescriptionOnce) {
  const auto component = CreateCalcDistOverCom();
  float value = 0;
  const HResult code = component->GetCoordB(L"ZZ00", &value);
  EXPECT_EQ(code, E_INVALIDARG);

  try {
    OleCheck(code, *component);
    FAIL() << "no error";
  } catch (const EOleException& e) {
    EXPECT_STREQ(e.what(), "Invalid locator 'ZZ00'");
    EXPECT_EQ(e.Code(), E_INVALIDARG);
  }
  // Taken with the first look: a later failure cannot show it again.
  EXPECT_EQ(component->ErrorDescription(), "");
}

TEST(CoCalcDist, SystemMessagesEndWithoutBlanksOrLineEnds) {
  const std::string text = SystemMessageOf(ERROR_FILE_NOT_FOUND);
  ASSERT_FALSE(text.empty());
  EXPECT_GT(static_cast<unsigned char>(text.back()), 32) << text;
}
