
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt-history/cli/CommandLine.cpp" "CMakeFiles/orvane_cli.dir/cli/CommandLine.cpp.obj" "gcc" "CMakeFiles/orvane_cli.dir/cli/CommandLine.cpp.obj.d"
  "/work/wt-history/cli/Headless.cpp" "CMakeFiles/orvane_cli.dir/cli/Headless.cpp.obj" "gcc" "CMakeFiles/orvane_cli.dir/cli/Headless.cpp.obj.d"
  "/work/wt-history/cli/Help.cpp" "CMakeFiles/orvane_cli.dir/cli/Help.cpp.obj" "gcc" "CMakeFiles/orvane_cli.dir/cli/Help.cpp.obj.d"
  "/work/wt-history/cli/Load.cpp" "CMakeFiles/orvane_cli.dir/cli/Load.cpp.obj" "gcc" "CMakeFiles/orvane_cli.dir/cli/Load.cpp.obj.d"
  "/work/wt-history/cli/Restore.cpp" "CMakeFiles/orvane_cli.dir/cli/Restore.cpp.obj" "gcc" "CMakeFiles/orvane_cli.dir/cli/Restore.cpp.obj.d"
  "/work/wt-history/cli/RunCommand.cpp" "CMakeFiles/orvane_cli.dir/cli/RunCommand.cpp.obj" "gcc" "CMakeFiles/orvane_cli.dir/cli/RunCommand.cpp.obj.d"
  "/work/wt-history/cli/Save.cpp" "CMakeFiles/orvane_cli.dir/cli/Save.cpp.obj" "gcc" "CMakeFiles/orvane_cli.dir/cli/Save.cpp.obj.d"
  "/work/wt-history/cli/Version.cpp" "CMakeFiles/orvane_cli.dir/cli/Version.cpp.obj" "gcc" "CMakeFiles/orvane_cli.dir/cli/Version.cpp.obj.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/wt-history/build-win/CMakeFiles/orvane_logic.dir/DependInfo.cmake"
  "/work/wt-history/build-win/CMakeFiles/orvane_platform.dir/DependInfo.cmake"
  "/work/wt-history/build-win/CMakeFiles/orvane_core.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
