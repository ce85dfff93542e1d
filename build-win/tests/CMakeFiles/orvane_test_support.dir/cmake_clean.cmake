file(REMOVE_RECURSE
  "CMakeFiles/orvane_test_support.dir/logic/OrvaneFixture.cpp.obj"
  "CMakeFiles/orvane_test_support.dir/logic/OrvaneFixture.cpp.obj.d"
  "CMakeFiles/orvane_test_support.dir/support/Files.cpp.obj"
  "CMakeFiles/orvane_test_support.dir/support/Files.cpp.obj.d"
  "CMakeFiles/orvane_test_support.dir/support/TestGame.cpp.obj"
  "CMakeFiles/orvane_test_support.dir/support/TestGame.cpp.obj.d"
  "liborvane_test_support.a"
  "liborvane_test_support.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/orvane_test_support.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
