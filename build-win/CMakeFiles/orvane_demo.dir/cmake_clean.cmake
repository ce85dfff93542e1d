file(REMOVE_RECURSE
  "CMakeFiles/orvane_demo.dir/tools/GameDefaults.cpp.obj"
  "CMakeFiles/orvane_demo.dir/tools/GameDefaults.cpp.obj.d"
  "liborvane_demo.a"
  "liborvane_demo.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/orvane_demo.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
