# The Windows tests: one GoogleTest program, built with mingw and run under Wine in the build
# tree's own prefix (made by scripts/wine-prefix.sh), each test case in a process of its own.
enable_testing()

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

set(WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh ${WINE_PREFIX})

# Beside the DLLs, so the tests load them by file name, as a host does.
add_executable(marovinta_wine_tests)
set_target_properties(marovinta_wine_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
target_link_libraries(marovinta_wine_tests PRIVATE marovinta_win GTest::gtest)

# The stand-in distance component is registered in the prefix before any test runs.
add_test(NAME register_distance_server
         COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} regsvr32 /s DistanceServer.dll
         WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set_tests_properties(register_distance_server PROPERTIES FIXTURES_SETUP DistanceServer)

# Listed when ctest runs, since listing needs the prefix; a test that hangs (a message box
# nobody closes) fails after a minute.
gtest_discover_tests(marovinta_wine_tests
  DISCOVERY_MODE PRE_TEST
  DISCOVERY_TIMEOUT 120
  PROPERTIES FIXTURES_REQUIRED DistanceServer TIMEOUT 60)
