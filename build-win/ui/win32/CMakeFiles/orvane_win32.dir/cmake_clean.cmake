file(REMOVE_RECURSE
  "CMakeFiles/orvane_win32.dir/Dpi.cpp.obj"
  "CMakeFiles/orvane_win32.dir/Dpi.cpp.obj.d"
  "CMakeFiles/orvane_win32.dir/LayoutFont.cpp.obj"
  "CMakeFiles/orvane_win32.dir/LayoutFont.cpp.obj.d"
  "CMakeFiles/orvane_win32.dir/Pictures.cpp.obj"
  "CMakeFiles/orvane_win32.dir/Pictures.cpp.obj.d"
  "CMakeFiles/orvane_win32.dir/TextMeasure.cpp.obj"
  "CMakeFiles/orvane_win32.dir/TextMeasure.cpp.obj.d"
  "CMakeFiles/orvane_win32.dir/Win32Controls.cpp.obj"
  "CMakeFiles/orvane_win32.dir/Win32Controls.cpp.obj.d"
  "CMakeFiles/orvane_win32.dir/Win32FileDialogs.cpp.obj"
  "CMakeFiles/orvane_win32.dir/Win32FileDialogs.cpp.obj.d"
  "CMakeFiles/orvane_win32.dir/Win32MessageBoxes.cpp.obj"
  "CMakeFiles/orvane_win32.dir/Win32MessageBoxes.cpp.obj.d"
  "CMakeFiles/orvane_win32.dir/Win32ToolTips.cpp.obj"
  "CMakeFiles/orvane_win32.dir/Win32ToolTips.cpp.obj.d"
  "CMakeFiles/orvane_win32.dir/Win32Toolkit.cpp.obj"
  "CMakeFiles/orvane_win32.dir/Win32Toolkit.cpp.obj.d"
  "CMakeFiles/orvane_win32.dir/Win32Window.cpp.obj"
  "CMakeFiles/orvane_win32.dir/Win32Window.cpp.obj.d"
  "CMakeFiles/orvane_win32.dir/Win32WindowEvents.cpp.obj"
  "CMakeFiles/orvane_win32.dir/Win32WindowEvents.cpp.obj.d"
  "liborvane_win32.a"
  "liborvane_win32.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/orvane_win32.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
