file(REMOVE_RECURSE
  "CMakeFiles/empty_window.dir/EmptyWindow.cpp.obj"
  "CMakeFiles/empty_window.dir/EmptyWindow.cpp.obj.d"
  "empty_window.exe"
  "empty_window.pdb"
  "libempty_window.dll.a"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/empty_window.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
