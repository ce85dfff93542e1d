file(REMOVE_RECURSE
  "CMakeFiles/orvane_window_tests.dir/win32/CommandLineTest.cpp.obj"
  "CMakeFiles/orvane_window_tests.dir/win32/CommandLineTest.cpp.obj.d"
  "CMakeFiles/orvane_window_tests.dir/win32/LayoutChecks.cpp.obj"
  "CMakeFiles/orvane_window_tests.dir/win32/LayoutChecks.cpp.obj.d"
  "CMakeFiles/orvane_window_tests.dir/win32/PicturesTest.cpp.obj"
  "CMakeFiles/orvane_window_tests.dir/win32/PicturesTest.cpp.obj.d"
  "CMakeFiles/orvane_window_tests.dir/win32/PointerTest.cpp.obj"
  "CMakeFiles/orvane_window_tests.dir/win32/PointerTest.cpp.obj.d"
  "CMakeFiles/orvane_window_tests.dir/win32/TypingTest.cpp.obj"
  "CMakeFiles/orvane_window_tests.dir/win32/TypingTest.cpp.obj.d"
  "CMakeFiles/orvane_window_tests.dir/win32/WindowSizeTest.cpp.obj"
  "CMakeFiles/orvane_window_tests.dir/win32/WindowSizeTest.cpp.obj.d"
  "CMakeFiles/orvane_window_tests.dir/win32/WindowSmokeTest.cpp.obj"
  "CMakeFiles/orvane_window_tests.dir/win32/WindowSmokeTest.cpp.obj.d"
  "CMakeFiles/orvane_window_tests.dir/win32/WindowUnderWine.cpp.obj"
  "CMakeFiles/orvane_window_tests.dir/win32/WindowUnderWine.cpp.obj.d"
  "liborvane_window_tests.dll.a"
  "orvane_window_tests.exe"
  "orvane_window_tests.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/orvane_window_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
