
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt-history/tests/cli/CommandLineTest.cpp" "tests/CMakeFiles/orvane_tests.dir/cli/CommandLineTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_tests.dir/cli/CommandLineTest.cpp.obj.d"
  "/work/wt-history/tests/config/IniDocumentTest.cpp" "tests/CMakeFiles/orvane_tests.dir/config/IniDocumentTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_tests.dir/config/IniDocumentTest.cpp.obj.d"
  "/work/wt-history/tests/files/ErrorsTest.cpp" "tests/CMakeFiles/orvane_tests.dir/files/ErrorsTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_tests.dir/files/ErrorsTest.cpp.obj.d"
  "/work/wt-history/tests/logic/AboutTest.cpp" "tests/CMakeFiles/orvane_tests.dir/logic/AboutTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_tests.dir/logic/AboutTest.cpp.obj.d"
  "/work/wt-history/tests/logic/AccountsTest.cpp" "tests/CMakeFiles/orvane_tests.dir/logic/AccountsTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_tests.dir/logic/AccountsTest.cpp.obj.d"
  "/work/wt-history/tests/logic/ApplyTest.cpp" "tests/CMakeFiles/orvane_tests.dir/logic/ApplyTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_tests.dir/logic/ApplyTest.cpp.obj.d"
  "/work/wt-history/tests/logic/BindingTableTest.cpp" "tests/CMakeFiles/orvane_tests.dir/logic/BindingTableTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_tests.dir/logic/BindingTableTest.cpp.obj.d"
  "/work/wt-history/tests/logic/CleanupTest.cpp" "tests/CMakeFiles/orvane_tests.dir/logic/CleanupTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_tests.dir/logic/CleanupTest.cpp.obj.d"
  "/work/wt-history/tests/logic/ConfigFileTest.cpp" "tests/CMakeFiles/orvane_tests.dir/logic/ConfigFileTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_tests.dir/logic/ConfigFileTest.cpp.obj.d"
  "/work/wt-history/tests/logic/ControlsTest.cpp" "tests/CMakeFiles/orvane_tests.dir/logic/ControlsTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_tests.dir/logic/ControlsTest.cpp.obj.d"
  "/work/wt-history/tests/logic/FolderChooserTest.cpp" "tests/CMakeFiles/orvane_tests.dir/logic/FolderChooserTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_tests.dir/logic/FolderChooserTest.cpp.obj.d"
  "/work/wt-history/tests/logic/GameRunningTest.cpp" "tests/CMakeFiles/orvane_tests.dir/logic/GameRunningTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_tests.dir/logic/GameRunningTest.cpp.obj.d"
  "/work/wt-history/tests/logic/HistoryTest.cpp" "tests/CMakeFiles/orvane_tests.dir/logic/HistoryTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_tests.dir/logic/HistoryTest.cpp.obj.d"
  "/work/wt-history/tests/logic/LaunchTest.cpp" "tests/CMakeFiles/orvane_tests.dir/logic/LaunchTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_tests.dir/logic/LaunchTest.cpp.obj.d"
  "/work/wt-history/tests/logic/LoadTest.cpp" "tests/CMakeFiles/orvane_tests.dir/logic/LoadTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_tests.dir/logic/LoadTest.cpp.obj.d"
  "/work/wt-history/tests/logic/MappingsTest.cpp" "tests/CMakeFiles/orvane_tests.dir/logic/MappingsTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_tests.dir/logic/MappingsTest.cpp.obj.d"
  "/work/wt-history/tests/logic/OptionsTest.cpp" "tests/CMakeFiles/orvane_tests.dir/logic/OptionsTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_tests.dir/logic/OptionsTest.cpp.obj.d"
  "/work/wt-history/tests/logic/PresentTest.cpp" "tests/CMakeFiles/orvane_tests.dir/logic/PresentTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_tests.dir/logic/PresentTest.cpp.obj.d"
  "/work/wt-history/tests/logic/ProfileTest.cpp" "tests/CMakeFiles/orvane_tests.dir/logic/ProfileTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_tests.dir/logic/ProfileTest.cpp.obj.d"
  "/work/wt-history/tests/logic/StartupTest.cpp" "tests/CMakeFiles/orvane_tests.dir/logic/StartupTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_tests.dir/logic/StartupTest.cpp.obj.d"
  "/work/wt-history/tests/platform/WindowsArgumentsTest.cpp" "tests/CMakeFiles/orvane_tests.dir/platform/WindowsArgumentsTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_tests.dir/platform/WindowsArgumentsTest.cpp.obj.d"
  "/work/wt-history/tests/platform/WindowsDisplayModesTest.cpp" "tests/CMakeFiles/orvane_tests.dir/platform/WindowsDisplayModesTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_tests.dir/platform/WindowsDisplayModesTest.cpp.obj.d"
  "/work/wt-history/tests/registry/ChangeHistoryTest.cpp" "tests/CMakeFiles/orvane_tests.dir/registry/ChangeHistoryTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_tests.dir/registry/ChangeHistoryTest.cpp.obj.d"
  "/work/wt-history/tests/registry/RegistryContractTest.cpp" "tests/CMakeFiles/orvane_tests.dir/registry/RegistryContractTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_tests.dir/registry/RegistryContractTest.cpp.obj.d"
  "/work/wt-history/tests/registry/UserRegistryLockTest.cpp" "tests/CMakeFiles/orvane_tests.dir/registry/UserRegistryLockTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_tests.dir/registry/UserRegistryLockTest.cpp.obj.d"
  "/work/wt-history/tests/settings/ConversionsTest.cpp" "tests/CMakeFiles/orvane_tests.dir/settings/ConversionsTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_tests.dir/settings/ConversionsTest.cpp.obj.d"
  "/work/wt-history/tests/settings/DisplayModesTest.cpp" "tests/CMakeFiles/orvane_tests.dir/settings/DisplayModesTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_tests.dir/settings/DisplayModesTest.cpp.obj.d"
  "/work/wt-history/tests/settings/SchemaTest.cpp" "tests/CMakeFiles/orvane_tests.dir/settings/SchemaTest.cpp.obj" "gcc" "tests/CMakeFiles/orvane_tests.dir/settings/SchemaTest.cpp.obj.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/wt-history/build-win/tests/CMakeFiles/orvane_test_support.dir/DependInfo.cmake"
  "/work/wt-history/build-win/googletest/googletest/CMakeFiles/gtest.dir/DependInfo.cmake"
  "/work/wt-history/build-win/googletest/googletest/CMakeFiles/gtest_main.dir/DependInfo.cmake"
  "/work/wt-history/build-win/CMakeFiles/orvane_cli.dir/DependInfo.cmake"
  "/work/wt-history/build-win/CMakeFiles/orvane_logic.dir/DependInfo.cmake"
  "/work/wt-history/build-win/CMakeFiles/orvane_platform.dir/DependInfo.cmake"
  "/work/wt-history/build-win/CMakeFiles/orvane_demo.dir/DependInfo.cmake"
  "/work/wt-history/build-win/CMakeFiles/orvane_core.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
