file(REMOVE_RECURSE
  "../../bin/libgtest.pdb"
  "../../lib/libgtest.a"
  "CMakeFiles/gtest.dir/src/gtest-all.cc.obj"
  "CMakeFiles/gtest.dir/src/gtest-all.cc.obj.d"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/gtest.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
