
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt-history/config/ConfigFile.cpp" "CMakeFiles/orvane_core.dir/config/ConfigFile.cpp.obj" "gcc" "CMakeFiles/orvane_core.dir/config/ConfigFile.cpp.obj.d"
  "/work/wt-history/config/IniDocument.cpp" "CMakeFiles/orvane_core.dir/config/IniDocument.cpp.obj" "gcc" "CMakeFiles/orvane_core.dir/config/IniDocument.cpp.obj.d"
  "/work/wt-history/config/TextFiles.cpp" "CMakeFiles/orvane_core.dir/config/TextFiles.cpp.obj" "gcc" "CMakeFiles/orvane_core.dir/config/TextFiles.cpp.obj.d"
  "/work/wt-history/files/AtomicFileWindows.cpp" "CMakeFiles/orvane_core.dir/files/AtomicFileWindows.cpp.obj" "gcc" "CMakeFiles/orvane_core.dir/files/AtomicFileWindows.cpp.obj.d"
  "/work/wt-history/files/Errors.cpp" "CMakeFiles/orvane_core.dir/files/Errors.cpp.obj" "gcc" "CMakeFiles/orvane_core.dir/files/Errors.cpp.obj.d"
  "/work/wt-history/files/TextEncoding.cpp" "CMakeFiles/orvane_core.dir/files/TextEncoding.cpp.obj" "gcc" "CMakeFiles/orvane_core.dir/files/TextEncoding.cpp.obj.d"
  "/work/wt-history/registry/ChangeHistory.cpp" "CMakeFiles/orvane_core.dir/registry/ChangeHistory.cpp.obj" "gcc" "CMakeFiles/orvane_core.dir/registry/ChangeHistory.cpp.obj.d"
  "/work/wt-history/registry/HistoryStore.cpp" "CMakeFiles/orvane_core.dir/registry/HistoryStore.cpp.obj" "gcc" "CMakeFiles/orvane_core.dir/registry/HistoryStore.cpp.obj.d"
  "/work/wt-history/registry/KeyPaths.cpp" "CMakeFiles/orvane_core.dir/registry/KeyPaths.cpp.obj" "gcc" "CMakeFiles/orvane_core.dir/registry/KeyPaths.cpp.obj.d"
  "/work/wt-history/registry/OverlayStore.cpp" "CMakeFiles/orvane_core.dir/registry/OverlayStore.cpp.obj" "gcc" "CMakeFiles/orvane_core.dir/registry/OverlayStore.cpp.obj.d"
  "/work/wt-history/registry/RegeditFile.cpp" "CMakeFiles/orvane_core.dir/registry/RegeditFile.cpp.obj" "gcc" "CMakeFiles/orvane_core.dir/registry/RegeditFile.cpp.obj.d"
  "/work/wt-history/registry/RegistryAccess.cpp" "CMakeFiles/orvane_core.dir/registry/RegistryAccess.cpp.obj" "gcc" "CMakeFiles/orvane_core.dir/registry/RegistryAccess.cpp.obj.d"
  "/work/wt-history/registry/StoreTurns.cpp" "CMakeFiles/orvane_core.dir/registry/StoreTurns.cpp.obj" "gcc" "CMakeFiles/orvane_core.dir/registry/StoreTurns.cpp.obj.d"
  "/work/wt-history/registry/UserRegistryLock.cpp" "CMakeFiles/orvane_core.dir/registry/UserRegistryLock.cpp.obj" "gcc" "CMakeFiles/orvane_core.dir/registry/UserRegistryLock.cpp.obj.d"
  "/work/wt-history/registry/WindowsRegistryStore.cpp" "CMakeFiles/orvane_core.dir/registry/WindowsRegistryStore.cpp.obj" "gcc" "CMakeFiles/orvane_core.dir/registry/WindowsRegistryStore.cpp.obj.d"
  "/work/wt-history/settings/ApplySettings.cpp" "CMakeFiles/orvane_core.dir/settings/ApplySettings.cpp.obj" "gcc" "CMakeFiles/orvane_core.dir/settings/ApplySettings.cpp.obj.d"
  "/work/wt-history/settings/Conversions.cpp" "CMakeFiles/orvane_core.dir/settings/Conversions.cpp.obj" "gcc" "CMakeFiles/orvane_core.dir/settings/Conversions.cpp.obj.d"
  "/work/wt-history/settings/DisplayModes.cpp" "CMakeFiles/orvane_core.dir/settings/DisplayModes.cpp.obj" "gcc" "CMakeFiles/orvane_core.dir/settings/DisplayModes.cpp.obj.d"
  "/work/wt-history/settings/LoadSettings.cpp" "CMakeFiles/orvane_core.dir/settings/LoadSettings.cpp.obj" "gcc" "CMakeFiles/orvane_core.dir/settings/LoadSettings.cpp.obj.d"
  "/work/wt-history/settings/Schema.cpp" "CMakeFiles/orvane_core.dir/settings/Schema.cpp.obj" "gcc" "CMakeFiles/orvane_core.dir/settings/Schema.cpp.obj.d"
  "/work/wt-history/settings/SettingsHistory.cpp" "CMakeFiles/orvane_core.dir/settings/SettingsHistory.cpp.obj" "gcc" "CMakeFiles/orvane_core.dir/settings/SettingsHistory.cpp.obj.d"
  "/work/wt-history/settings/SettingsRegistry.cpp" "CMakeFiles/orvane_core.dir/settings/SettingsRegistry.cpp.obj" "gcc" "CMakeFiles/orvane_core.dir/settings/SettingsRegistry.cpp.obj.d"
  "/work/wt-history/wine/PathMapping.cpp" "CMakeFiles/orvane_core.dir/wine/PathMapping.cpp.obj" "gcc" "CMakeFiles/orvane_core.dir/wine/PathMapping.cpp.obj.d"
  "/work/wt-history/wine/WinePaths.cpp" "CMakeFiles/orvane_core.dir/wine/WinePaths.cpp.obj" "gcc" "CMakeFiles/orvane_core.dir/wine/WinePaths.cpp.obj.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
