file(REMOVE_RECURSE
  "CMakeFiles/orvane_platform.dir/platform/DisplayModesInUse.cpp.obj"
  "CMakeFiles/orvane_platform.dir/platform/DisplayModesInUse.cpp.obj.d"
  "CMakeFiles/orvane_platform.dir/platform/Folders.cpp.obj"
  "CMakeFiles/orvane_platform.dir/platform/Folders.cpp.obj.d"
  "CMakeFiles/orvane_platform.dir/platform/TextCompare.cpp.obj"
  "CMakeFiles/orvane_platform.dir/platform/TextCompare.cpp.obj.d"
  "CMakeFiles/orvane_platform.dir/platform/WindowsArguments.cpp.obj"
  "CMakeFiles/orvane_platform.dir/platform/WindowsArguments.cpp.obj.d"
  "CMakeFiles/orvane_platform.dir/platform/WindowsDisplayModes.cpp.obj"
  "CMakeFiles/orvane_platform.dir/platform/WindowsDisplayModes.cpp.obj.d"
  "CMakeFiles/orvane_platform.dir/platform/WindowsHistoryFolder.cpp.obj"
  "CMakeFiles/orvane_platform.dir/platform/WindowsHistoryFolder.cpp.obj.d"
  "CMakeFiles/orvane_platform.dir/platform/WindowsProgramStarter.cpp.obj"
  "CMakeFiles/orvane_platform.dir/platform/WindowsProgramStarter.cpp.obj.d"
  "CMakeFiles/orvane_platform.dir/platform/WindowsRunningPrograms.cpp.obj"
  "CMakeFiles/orvane_platform.dir/platform/WindowsRunningPrograms.cpp.obj.d"
  "liborvane_platform.a"
  "liborvane_platform.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/orvane_platform.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
