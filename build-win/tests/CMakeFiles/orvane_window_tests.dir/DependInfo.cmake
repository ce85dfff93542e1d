
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt-history/tests/win32/CommandLineTest.cpp" "tests/CMakeFiles/orvane_window_tests.dir/win32/CommandLineTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_window_tests.dir/win32/CommandLineTest.cpp.obj.d"
  "/work/wt-history/tests/win32/LayoutChecks.cpp" "tests/CMakeFiles/orvane_window_tests.dir/win32/LayoutChecks.cpp.obj" "gcc" "tests/CMakeFiles/orvane_window_tests.dir/win32/LayoutChecks.cpp.obj.d"
  "/work/wt-history/tests/win32/PicturesTest.cpp" "tests/CMakeFiles/orvane_window_tests.dir/win32/PicturesTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_window_tests.dir/win32/PicturesTest.cpp.obj.d"
  "/work/wt-history/tests/win32/PointerTest.cpp" "tests/CMakeFiles/orvane_window_tests.dir/win32/PointerTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_window_tests.dir/win32/PointerTest.cpp.obj.d"
  "/work/wt-history/tests/win32/TypingTest.cpp" "tests/CMakeFiles/orvane_window_tests.dir/win32/TypingTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_window_tests.dir/win32/TypingTest.cpp.obj.d"
  "/work/wt-history/tests/win32/WindowSizeTest.cpp" "tests/CMakeFiles/orvane_window_tests.dir/win32/WindowSizeTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_window_tests.dir/win32/WindowSizeTest.cpp.obj.d"
  "/work/wt-history/tests/win32/WindowSmokeTest.cpp" "tests/CMakeFiles/orvane_window_tests.dir/win32/WindowSmokeTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_window_tests.dir/win32/WindowSmokeTest.cpp.obj.d"
  "/work/wt-history/tests/win32/WindowUnderWine.cpp" "tests/CMakeFiles/orvane_window_tests.dir/win32/WindowUnderWine.cpp.obj" "gcc" "tests/CMakeFiles/orvane_window_tests.dir/win32/WindowUnderWine.cpp.obj.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/wt-history/build-win/tests/CMakeFiles/orvane_test_support.dir/DependInfo.cmake"
  "/work/wt-history/build-win/ui/win32/CMakeFiles/orvane_win32.dir/DependInfo.cmake"
  "/work/wt-history/build-win/googletest/googletest/CMakeFiles/gtest.dir/DependInfo.cmake"
  "/work/wt-history/build-win/googletest/googletest/CMakeFiles/gtest_main.dir/DependInfo.cmake"
  "/work/wt-history/build-win/CMakeFiles/orvane_cli.dir/DependInfo.cmake"
  "/work/wt-history/build-win/CMakeFiles/orvane_demo.dir/DependInfo.cmake"
  "/work/wt-history/build-win/CMakeFiles/orvane_logic.dir/DependInfo.cmake"
  "/work/wt-history/build-win/CMakeFiles/orvane_platform.dir/DependInfo.cmake"
  "/work/wt-history/build-win/CMakeFiles/orvane_core.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
