#pragma once
// The main window's logic: its menus, buttons, dialogs, files and launching;
// its settings controls are its SettingsPresenter's. It holds the controls
// under their layout names and knows no toolkit.
#include "app/AccountNames.h"
#include "app/SettingsPresenter.h"
#include "context/Context.h"
#include "controls/Window.h"
#include "dialogs/OptionsDialog.h"
#include "registry/ChangeHistory.h"
#include "settings/LoadSettings.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

class AboutBox;
class AccountNameDialog;
class FolderChooser;
class ProfileRenameDialog;
class RestoreDialog;

// What the start found out: where the game is, and where Orvane started.
struct Installation {
    std::string gameFolder; // as the registry names it: "C:\Program Files\Warcraft III"
    std::filesystem::path startFolder;
};

// The dialogs the main window opens; each exists from start to exit.
struct MainWindowDialogs {
    AboutBox& about;
    FolderChooser& folders;
    ProfileRenameDialog& profileRename;
    AccountNameDialog& accountName;
    OptionsDialog& options;
    RestoreDialog& restore;
};

class MainWindow : private LoadSteps {
public:
    MainWindow(Context& context, Installation installation);
    // Destroying the main window shuts the program down.
    ~MainWindow() override { shutDown(); }

    Window& window() { return window_; }
    const Window& window() const { return window_; }
    void attachDialogs(const MainWindowDialogs& dialogs);

    std::string panelText(int panel) const { return StatusBar.panelText(panel); }
    std::string panelHint(int panel) const { return StatusBar.panelHint(panel); }

    const Installation& installation() const { return installation_; }
    LaunchPrograms& programs() { return programs_; }
    const AccountNames& accounts() const { return accounts_; }
    SettingsPresenter& settings() { return settings_; }
    // Off while the controls are being filled, so that filling is no change.
    bool changeDetectionOn() const { return settings_.changeDetectionOn(); }

    // Runs once the window exists, before it is shown: the first load.
    void start();

    // The user's events, which the layout names.
    void reloadSettings();
    void askForAccountName();
    void deleteAccountName();
    void askForProfileName();
    void loadConfigurationFile();
    void saveConfigurationFile();
    void cleanUpRegistry();
    void undoLastChange();
    void openRestoreDialog();
    void openOptions();
    void openAbout();
    // Opens the folder chooser for the folder that field holds.
    void chooseFolder(schema::TextField field);
    void removeAllowLocalFiles();
    void startGame();
    void startEditor();
    void openReadme();
    void quit();
    void shutDown();

    // The dialogs' work once the player has confirmed them.
    void addAccountName(const std::string& name);
    void renameProfile(const std::string& newName);
    // The chosen folder into its field, and all four edits.
    void folderChosen(const std::string& folder);
    // Every value Orvane changed in the newest count entries, as listed,
    // back to what it was before the oldest of them; the window shows it.
    void restoreBefore(const std::vector<HistoryEntry>& entries, size_t count);

private:
    void showNoConfigurationLoaded() override;
    void enableCleanup() override;
    void emptyProfiles() override;
    void valueRead(const schema::StoredValue& value) override;
    void readAccounts() override { settings_.refreshAccountNames(); }
    void present() override { settings_.present(); }

    void setPanelText(int panel, const std::string& text) { StatusBar.setPanelText(panel, text); }
    void startAndEnd(const std::string& program);

    Context& context_;
    Window window_;
    Installation installation_;
    LaunchPrograms programs_;
    AccountNames accounts_;
    SettingsPresenter settings_;
    // The folder the folder chooser was opened for.
    schema::TextField folderTarget_ = &SettingsSnapshot::savpath;
    std::optional<MainWindowDialogs> dialogs_;
    // Kept for the whole run, with the last chosen file name.
    FileDialog SaveConfigDlg;
    FileDialog LoadConfigDlg;
    bool shutDown_ = false;

    StatusBarControl& StatusBar;
    ButtonControl& CMRegCleanUp;
    ListControl& CPCombo;
    ListControl& BnetName;
};

// The main window's controls, menu and status bar; the rows name the
// handlers of MainWindow and of its SettingsPresenter.
const WindowLayout& mainWindowLayout();

} // namespace orvane
