file(REMOVE_RECURSE
  "../../orvane.exe"
  "../../orvane.pdb"
  "CMakeFiles/orvane.dir/main.cpp.obj"
  "CMakeFiles/orvane.dir/main.cpp.obj.d"
  "CMakeFiles/orvane.dir/orvane.rc.res"
  "liborvane.dll.a"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX RC)
  include(CMakeFiles/orvane.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
