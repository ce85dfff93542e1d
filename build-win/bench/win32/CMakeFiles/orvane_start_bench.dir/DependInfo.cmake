
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt-history/bench/win32/StartUnderWine.cpp" "bench/win32/CMakeFiles/orvane_start_bench.dir/StartUnderWine.cpp.obj" "gcc" "bench/win32/CMakeFiles/orvane_start_bench.dir/StartUnderWine.cpp.obj.d"
  "/work/wt-history/tests/win32/WindowUnderWine.cpp" "bench/win32/CMakeFiles/orvane_start_bench.dir/__/__/tests/win32/WindowUnderWine.cpp.obj" "gcc" "bench/win32/CMakeFiles/orvane_start_bench.dir/__/__/tests/win32/WindowUnderWine.cpp.obj.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/wt-history/build-win/tests/CMakeFiles/orvane_test_support.dir/DependInfo.cmake"
  "/work/wt-history/build-win/CMakeFiles/orvane_cli.dir/DependInfo.cmake"
  "/work/wt-history/build-win/CMakeFiles/orvane_logic.dir/DependInfo.cmake"
  "/work/wt-history/build-win/CMakeFiles/orvane_platform.dir/DependInfo.cmake"
  "/work/wt-history/build-win/CMakeFiles/orvane_demo.dir/DependInfo.cmake"
  "/work/wt-history/build-win/CMakeFiles/orvane_core.dir/DependInfo.cmake"
  "/work/wt-history/build-win/googletest/googletest/CMakeFiles/gtest.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
