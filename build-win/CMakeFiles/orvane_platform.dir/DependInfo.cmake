
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt-history/platform/DisplayModesInUse.cpp" "CMakeFiles/orvane_platform.dir/platform/DisplayModesInUse.cpp.obj" "gcc" "CMakeFiles/orvane_platform.dir/platform/DisplayModesInUse.cpp.obj.d"
  "/work/wt-history/platform/Folders.cpp" "CMakeFiles/orvane_platform.dir/platform/Folders.cpp.obj" "gcc" "CMakeFiles/orvane_platform.dir/platform/Folders.cpp.obj.d"
  "/work/wt-history/platform/TextCompare.cpp" "CMakeFiles/orvane_platform.dir/platform/TextCompare.cpp.obj" "gcc" "CMakeFiles/orvane_platform.dir/platform/TextCompare.cpp.obj.d"
  "/work/wt-history/platform/WindowsArguments.cpp" "CMakeFiles/orvane_platform.dir/platform/WindowsArguments.cpp.obj" "gcc" "CMakeFiles/orvane_platform.dir/platform/WindowsArguments.cpp.obj.d"
  "/work/wt-history/platform/WindowsDisplayModes.cpp" "CMakeFiles/orvane_platform.dir/platform/WindowsDisplayModes.cpp.obj" "gcc" "CMakeFiles/orvane_platform.dir/platform/WindowsDisplayModes.cpp.obj.d"
  "/work/wt-history/platform/WindowsHistoryFolder.cpp" "CMakeFiles/orvane_platform.dir/platform/WindowsHistoryFolder.cpp.obj" "gcc" "CMakeFiles/orvane_platform.dir/platform/WindowsHistoryFolder.cpp.obj.d"
  "/work/wt-history/platform/WindowsProgramStarter.cpp" "CMakeFiles/orvane_platform.dir/platform/WindowsProgramStarter.cpp.obj" "gcc" "CMakeFiles/orvane_platform.dir/platform/WindowsProgramStarter.cpp.obj.d"
  "/work/wt-history/platform/WindowsRunningPrograms.cpp" "CMakeFiles/orvane_platform.dir/platform/WindowsRunningPrograms.cpp.obj" "gcc" "CMakeFiles/orvane_platform.dir/platform/WindowsRunningPrograms.cpp.obj.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/wt-history/build-win/CMakeFiles/orvane_core.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
