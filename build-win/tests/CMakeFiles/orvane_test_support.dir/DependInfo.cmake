
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt-history/tests/logic/OrvaneFixture.cpp" "tests/CMakeFiles/orvane_test_support.dir/logic/OrvaneFixture.cpp.obj" "gcc" "tests/CMakeFiles/orvane_test_support.dir/logic/OrvaneFixture.cpp.obj.d"
  "/work/wt-history/tests/support/Files.cpp" "tests/CMakeFiles/orvane_test_support.dir/support/Files.cpp.obj" "gcc" "tests/CMakeFiles/orvane_test_support.dir/support/Files.cpp.obj.d"
  "/work/wt-history/tests/support/TestGame.cpp" "tests/CMakeFiles/orvane_test_support.dir/support/TestGame.cpp.obj" "gcc" "tests/CMakeFiles/orvane_test_support.dir/support/TestGame.cpp.obj.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/wt-history/build-win/CMakeFiles/orvane_cli.dir/DependInfo.cmake"
  "/work/wt-history/build-win/CMakeFiles/orvane_demo.dir/DependInfo.cmake"
  "/work/wt-history/build-win/googletest/googletest/CMakeFiles/gtest.dir/DependInfo.cmake"
  "/work/wt-history/build-win/CMakeFiles/orvane_logic.dir/DependInfo.cmake"
  "/work/wt-history/build-win/CMakeFiles/orvane_platform.dir/DependInfo.cmake"
  "/work/wt-history/build-win/CMakeFiles/orvane_core.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
