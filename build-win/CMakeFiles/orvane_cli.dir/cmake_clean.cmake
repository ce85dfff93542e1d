file(REMOVE_RECURSE
  "CMakeFiles/orvane_cli.dir/cli/CommandLine.cpp.obj"
  "CMakeFiles/orvane_cli.dir/cli/CommandLine.cpp.obj.d"
  "CMakeFiles/orvane_cli.dir/cli/Headless.cpp.obj"
  "CMakeFiles/orvane_cli.dir/cli/Headless.cpp.obj.d"
  "CMakeFiles/orvane_cli.dir/cli/Help.cpp.obj"
  "CMakeFiles/orvane_cli.dir/cli/Help.cpp.obj.d"
  "CMakeFiles/orvane_cli.dir/cli/Load.cpp.obj"
  "CMakeFiles/orvane_cli.dir/cli/Load.cpp.obj.d"
  "CMakeFiles/orvane_cli.dir/cli/Restore.cpp.obj"
  "CMakeFiles/orvane_cli.dir/cli/Restore.cpp.obj.d"
  "CMakeFiles/orvane_cli.dir/cli/RunCommand.cpp.obj"
  "CMakeFiles/orvane_cli.dir/cli/RunCommand.cpp.obj.d"
  "CMakeFiles/orvane_cli.dir/cli/Save.cpp.obj"
  "CMakeFiles/orvane_cli.dir/cli/Save.cpp.obj.d"
  "CMakeFiles/orvane_cli.dir/cli/Version.cpp.obj"
  "CMakeFiles/orvane_cli.dir/cli/Version.cpp.obj.d"
  "liborvane_cli.a"
  "liborvane_cli.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/orvane_cli.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
