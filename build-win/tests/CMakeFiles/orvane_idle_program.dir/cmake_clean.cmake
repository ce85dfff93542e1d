file(REMOVE_RECURSE
  "CMakeFiles/orvane_idle_program.dir/win32/IdleProgram.cpp.obj"
  "CMakeFiles/orvane_idle_program.dir/win32/IdleProgram.cpp.obj.d"
  "liborvane_idle_program.dll.a"
  "orvane_idle_program.exe"
  "orvane_idle_program.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/orvane_idle_program.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
