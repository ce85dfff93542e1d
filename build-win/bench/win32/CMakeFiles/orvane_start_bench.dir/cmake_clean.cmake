file(REMOVE_RECURSE
  "CMakeFiles/orvane_start_bench.dir/StartUnderWine.cpp.obj"
  "CMakeFiles/orvane_start_bench.dir/StartUnderWine.cpp.obj.d"
  "CMakeFiles/orvane_start_bench.dir/__/__/tests/win32/WindowUnderWine.cpp.obj"
  "CMakeFiles/orvane_start_bench.dir/__/__/tests/win32/WindowUnderWine.cpp.obj.d"
  "liborvane_start_bench.dll.a"
  "orvane_start_bench.exe"
  "orvane_start_bench.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/orvane_start_bench.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
