#pragma once
// The main window's logic: what every control, button and menu item does.
// It holds the controls under their layout names and knows no toolkit.
#include "app/AccountNames.h"
#include "app/SettingBindings.h"
#include "context/Context.h"
#include "controls/Window.h"
#include "dialogs/OptionsDialog.h"
#include "settings/ApplySettings.h"
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
    // Off while the controls are being filled, so that filling is no change.
    bool changeDetectionOn() const { return changeDetectionOn_; }

    // Runs once the window exists, before it is shown: the first load.
    void start();
    // What auto-apply does after every change: every group.
    void applyAll();

    // The user's events, which the layout names.
    void settingChanged();
    void apply(ApplyGroup group);
    void reloadSettings();
    void askForAccountName();
    void deleteAccountName();
    void askForProfileName();
    void loadConfigurationFile();
    void saveConfigurationFile();
    void cleanUpRegistry();
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

private:
    void refreshAccountNames();
    void presentSettings();
    void listProfiles();
    void takeSettings();

    void showNoConfigurationLoaded() override;
    void enableCleanup() override;
    void emptyProfiles() override;
    void readAccounts() override { refreshAccountNames(); }
    void present() override;

    void setPanelText(int panel, const std::string& text) { StatusBar.setPanelText(panel, text); }
    enum class Direction { Show, Take };
    void exchangeAll(Direction direction);
    void exchange(const SettingBinding& row, Control& control, Direction direction);
    void takePort();
    int32_t fillRefreshRates();
    void presentRefreshRates();
    void rebuildRefreshRates();
    void writeSelected(const ValueSelection& selected);
    void remember(const ValueSelection& written);
    void showNewerValues(const std::vector<const schema::StoredValue*>& newer);
    void startAndEnd(const std::string& program);

    Context& context_;
    Window window_;
    Installation installation_;
    LaunchPrograms programs_;
    AccountNames accounts_;
    bool changeDetectionOn_ = false;
    // The settings as last read from or written to the registry: a value the
    // player left as it was there is not written over someone else's since.
    SettingsSnapshot lastStored_;
    // The rates RRCombo shows, item for item.
    std::vector<int32_t> refreshRates_;
    // The folder the folder chooser was opened for.
    schema::TextField folderTarget_ = &SettingsSnapshot::savpath;
    // Each row's control, in the order of settingBindings(); none where it is NotShown.
    std::vector<Control*> boundControls_;
    std::optional<MainWindowDialogs> dialogs_;
    // Kept for the whole run, with the last chosen file name.
    FileDialog SaveConfigDlg;
    FileDialog LoadConfigDlg;
    bool shutDown_ = false;

    StatusBarControl& StatusBar;
    ButtonControl& CMRegCleanUp;
    // The controls that other controls enable, and the lists and edit that
    // commands of their own fill or read.
    CheckControl& MSCB;
    SliderControl& MSTrackBar;
    EditControl& NetGP;
    ListControl& RRCombo;
    CheckControl& SFXCB;
    SliderControl& SFXTrackBar;
    CheckControl& EnvCB;
    CheckControl& MovCB;
    CheckControl& URCB;
    CheckControl& MCB;
    SliderControl& MusicTrackBar;
    ListControl& CPCombo;
    ListControl& BnetName;
    EditControl& PS;
    EditControl& PR;
    EditControl& PL;
    EditControl& PE;
};

} // namespace orvane
