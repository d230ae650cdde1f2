// The Windows tests' main: COM initialised on the test thread, as a host initialises it on its
// GUI thread before it loads the plug-in.
#include <gtest/gtest.h>
#include <objbase.h>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (FAILED(CoInitialize(nullptr))) {
    return 2;
  }
  const int result = RUN_ALL_TESTS();
  CoUninitialize();
  return result;
}
