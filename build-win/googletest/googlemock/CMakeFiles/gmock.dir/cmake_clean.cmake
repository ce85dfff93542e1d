file(REMOVE_RECURSE
  "../../bin/libgmock.pdb"
  "../../lib/libgmock.a"
  "CMakeFiles/gmock.dir/src/gmock-all.cc.obj"
  "CMakeFiles/gmock.dir/src/gmock-all.cc.obj.d"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/gmock.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
