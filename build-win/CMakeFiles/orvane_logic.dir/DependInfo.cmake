
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt-history/app/AccountNames.cpp" "CMakeFiles/orvane_logic.dir/app/AccountNames.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/app/AccountNames.cpp.obj.d"
  "/work/wt-history/app/CampaignProfiles.cpp" "CMakeFiles/orvane_logic.dir/app/CampaignProfiles.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/app/CampaignProfiles.cpp.obj.d"
  "/work/wt-history/app/ConfigurationChecks.cpp" "CMakeFiles/orvane_logic.dir/app/ConfigurationChecks.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/app/ConfigurationChecks.cpp.obj.d"
  "/work/wt-history/app/ControlValues.cpp" "CMakeFiles/orvane_logic.dir/app/ControlValues.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/app/ControlValues.cpp.obj.d"
  "/work/wt-history/app/GameRunning.cpp" "CMakeFiles/orvane_logic.dir/app/GameRunning.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/app/GameRunning.cpp.obj.d"
  "/work/wt-history/app/MainWindow.cpp" "CMakeFiles/orvane_logic.dir/app/MainWindow.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/app/MainWindow.cpp.obj.d"
  "/work/wt-history/app/MainWindowAccounts.cpp" "CMakeFiles/orvane_logic.dir/app/MainWindowAccounts.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/app/MainWindowAccounts.cpp.obj.d"
  "/work/wt-history/app/MainWindowCleanup.cpp" "CMakeFiles/orvane_logic.dir/app/MainWindowCleanup.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/app/MainWindowCleanup.cpp.obj.d"
  "/work/wt-history/app/MainWindowFiles.cpp" "CMakeFiles/orvane_logic.dir/app/MainWindowFiles.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/app/MainWindowFiles.cpp.obj.d"
  "/work/wt-history/app/MainWindowLaunch.cpp" "CMakeFiles/orvane_logic.dir/app/MainWindowLaunch.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/app/MainWindowLaunch.cpp.obj.d"
  "/work/wt-history/app/MainWindowLayout.cpp" "CMakeFiles/orvane_logic.dir/app/MainWindowLayout.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/app/MainWindowLayout.cpp.obj.d"
  "/work/wt-history/app/Mappings.cpp" "CMakeFiles/orvane_logic.dir/app/Mappings.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/app/Mappings.cpp.obj.d"
  "/work/wt-history/app/Restore.cpp" "CMakeFiles/orvane_logic.dir/app/Restore.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/app/Restore.cpp.obj.d"
  "/work/wt-history/app/SettingBindings.cpp" "CMakeFiles/orvane_logic.dir/app/SettingBindings.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/app/SettingBindings.cpp.obj.d"
  "/work/wt-history/app/SettingsPresenter.cpp" "CMakeFiles/orvane_logic.dir/app/SettingsPresenter.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/app/SettingsPresenter.cpp.obj.d"
  "/work/wt-history/app/SettingsWriting.cpp" "CMakeFiles/orvane_logic.dir/app/SettingsWriting.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/app/SettingsWriting.cpp.obj.d"
  "/work/wt-history/app/Startup.cpp" "CMakeFiles/orvane_logic.dir/app/Startup.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/app/Startup.cpp.obj.d"
  "/work/wt-history/app/ValueChanges.cpp" "CMakeFiles/orvane_logic.dir/app/ValueChanges.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/app/ValueChanges.cpp.obj.d"
  "/work/wt-history/context/Commands.cpp" "CMakeFiles/orvane_logic.dir/context/Commands.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/context/Commands.cpp.obj.d"
  "/work/wt-history/context/FileDialogs.cpp" "CMakeFiles/orvane_logic.dir/context/FileDialogs.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/context/FileDialogs.cpp.obj.d"
  "/work/wt-history/controls/AccessibleNames.cpp" "CMakeFiles/orvane_logic.dir/controls/AccessibleNames.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/controls/AccessibleNames.cpp.obj.d"
  "/work/wt-history/controls/Controls.cpp" "CMakeFiles/orvane_logic.dir/controls/Controls.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/controls/Controls.cpp.obj.d"
  "/work/wt-history/controls/Elide.cpp" "CMakeFiles/orvane_logic.dir/controls/Elide.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/controls/Elide.cpp.obj.d"
  "/work/wt-history/controls/TabOrder.cpp" "CMakeFiles/orvane_logic.dir/controls/TabOrder.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/controls/TabOrder.cpp.obj.d"
  "/work/wt-history/controls/Window.cpp" "CMakeFiles/orvane_logic.dir/controls/Window.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/controls/Window.cpp.obj.d"
  "/work/wt-history/dialogs/AboutBox.cpp" "CMakeFiles/orvane_logic.dir/dialogs/AboutBox.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/dialogs/AboutBox.cpp.obj.d"
  "/work/wt-history/dialogs/AccountNameDialog.cpp" "CMakeFiles/orvane_logic.dir/dialogs/AccountNameDialog.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/dialogs/AccountNameDialog.cpp.obj.d"
  "/work/wt-history/dialogs/Dialog.cpp" "CMakeFiles/orvane_logic.dir/dialogs/Dialog.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/dialogs/Dialog.cpp.obj.d"
  "/work/wt-history/dialogs/FolderChooser.cpp" "CMakeFiles/orvane_logic.dir/dialogs/FolderChooser.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/dialogs/FolderChooser.cpp.obj.d"
  "/work/wt-history/dialogs/OptionsDialog.cpp" "CMakeFiles/orvane_logic.dir/dialogs/OptionsDialog.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/dialogs/OptionsDialog.cpp.obj.d"
  "/work/wt-history/dialogs/ProfileRenameDialog.cpp" "CMakeFiles/orvane_logic.dir/dialogs/ProfileRenameDialog.cpp.obj" "gcc" "CMakeFiles/orvane_logic.dir/dialogs/ProfileRenameDialog.cpp.obj.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/wt-history/build-win/CMakeFiles/orvane_platform.dir/DependInfo.cmake"
  "/work/wt-history/build-win/CMakeFiles/orvane_core.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
