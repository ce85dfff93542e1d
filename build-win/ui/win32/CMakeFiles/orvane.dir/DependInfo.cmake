
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  "RC"
  )
# The set of files for implicit dependencies of each language:
set(CMAKE_DEPENDS_CHECK_RC
  "/work/wt-history/ui/win32/orvane.rc" "/work/wt-history/build-win/ui/win32/CMakeFiles/orvane.dir/orvane.rc.res"
  )

# The include file search paths:
set(CMAKE_RC_TARGET_INCLUDE_PATH
  "ui/win32"
  "generated"
  "/work/wt-history"
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt-history/ui/win32/main.cpp" "ui/win32/CMakeFiles/orvane.dir/main.cpp.obj" "gcc" "ui/win32/CMakeFiles/orvane.dir/main.cpp.obj.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/wt-history/build-win/ui/win32/CMakeFiles/orvane_win32.dir/DependInfo.cmake"
  "/work/wt-history/build-win/CMakeFiles/orvane_cli.dir/DependInfo.cmake"
  "/work/wt-history/build-win/CMakeFiles/orvane_logic.dir/DependInfo.cmake"
  "/work/wt-history/build-win/CMakeFiles/orvane_platform.dir/DependInfo.cmake"
  "/work/wt-history/build-win/CMakeFiles/orvane_core.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
