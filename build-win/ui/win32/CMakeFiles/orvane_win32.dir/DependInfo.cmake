
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt-history/ui/win32/Dpi.cpp" "ui/win32/CMakeFiles/orvane_win32.dir/Dpi.cpp.obj" "gcc" "ui/win32/CMakeFiles/orvane_win32.dir/Dpi.cpp.obj.d"
  "/work/wt-history/ui/win32/LayoutFont.cpp" "ui/win32/CMakeFiles/orvane_win32.dir/LayoutFont.cpp.obj" "gcc" "ui/win32/CMakeFiles/orvane_win32.dir/LayoutFont.cpp.obj.d"
  "/work/wt-history/ui/win32/Pictures.cpp" "ui/win32/CMakeFiles/orvane_win32.dir/Pictures.cpp.obj" "gcc" "ui/win32/CMakeFiles/orvane_win32.dir/Pictures.cpp.obj.d"
  "/work/wt-history/ui/win32/TextMeasure.cpp" "ui/win32/CMakeFiles/orvane_win32.dir/TextMeasure.cpp.obj" "gcc" "ui/win32/CMakeFiles/orvane_win32.dir/TextMeasure.cpp.obj.d"
  "/work/wt-history/ui/win32/Win32Controls.cpp" "ui/win32/CMakeFiles/orvane_win32.dir/Win32Controls.cpp.obj" "gcc" "ui/win32/CMakeFiles/orvane_win32.dir/Win32Controls.cpp.obj.d"
  "/work/wt-history/ui/win32/Win32FileDialogs.cpp" "ui/win32/CMakeFiles/orvane_win32.dir/Win32FileDialogs.cpp.obj" "gcc" "ui/win32/CMakeFiles/orvane_win32.dir/Win32FileDialogs.cpp.obj.d"
  "/work/wt-history/ui/win32/Win32MessageBoxes.cpp" "ui/win32/CMakeFiles/orvane_win32.dir/Win32MessageBoxes.cpp.obj" "gcc" "ui/win32/CMakeFiles/orvane_win32.dir/Win32MessageBoxes.cpp.obj.d"
  "/work/wt-history/ui/win32/Win32ToolTips.cpp" "ui/win32/CMakeFiles/orvane_win32.dir/Win32ToolTips.cpp.obj" "gcc" "ui/win32/CMakeFiles/orvane_win32.dir/Win32ToolTips.cpp.obj.d"
  "/work/wt-history/ui/win32/Win32Toolkit.cpp" "ui/win32/CMakeFiles/orvane_win32.dir/Win32Toolkit.cpp.obj" "gcc" "ui/win32/CMakeFiles/orvane_win32.dir/Win32Toolkit.cpp.obj.d"
  "/work/wt-history/ui/win32/Win32Window.cpp" "ui/win32/CMakeFiles/orvane_win32.dir/Win32Window.cpp.obj" "gcc" "ui/win32/CMakeFiles/orvane_win32.dir/Win32Window.cpp.obj.d"
  "/work/wt-history/ui/win32/Win32WindowEvents.cpp" "ui/win32/CMakeFiles/orvane_win32.dir/Win32WindowEvents.cpp.obj" "gcc" "ui/win32/CMakeFiles/orvane_win32.dir/Win32WindowEvents.cpp.obj.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/wt-history/build-win/CMakeFiles/orvane_logic.dir/DependInfo.cmake"
  "/work/wt-history/build-win/CMakeFiles/orvane_platform.dir/DependInfo.cmake"
  "/work/wt-history/build-win/CMakeFiles/orvane_core.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
