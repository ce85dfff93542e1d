#pragma once
// The main window's logic: what every control, button and menu item does.
// It holds the controls under their layout names and knows no toolkit.
#include "app/SettingBindings.h"
#include "context/Context.h"
#include "controls/Window.h"
#include "settings/LoadSettings.h"

#include <string_view>
#include <vector>

namespace orvane {

class TAddBnetForm;
class TCDForm;
class TOptForm;
class TProginfo;
class TRenCPForm;

class TMainForm : private LoadSteps {
public:
    explicit TMainForm(Context& context);
    // Destroying the main window shuts the program down.
    ~TMainForm() override { ShtdwnClick(); }

    Window& window() { return window_; }
    const Window& window() const { return window_; }
    void setAddBnetForm(TAddBnetForm* form) { addBnetForm_ = form; }
    void setRenCPForm(TRenCPForm* form) { renCPForm_ = form; }
    void setOptForm(TOptForm* form) { optForm_ = form; }
    void setProginfo(TProginfo* form) { proginfo_ = form; }
    void setCDForm(TCDForm* form) { cdForm_ = form; }

    std::string panelText(int panel) const { return StatusBar.panelText(panel); }
    std::string panelHint(int panel) const { return StatusBar.panelHint(panel); }
    void setPanelText(int panel, const std::string& text) { StatusBar.setPanelText(panel, text); }

    // The creation handler; runs once the window exists, before it is shown.
    void FormCreate();
    void LoadRegData();
    void ReadBnetUsers();
    void UseRegData();
    void ReadProfiles();
    void ChangeSettings();
    void SaveSettings(std::string_view group);
    void Shutdown();

    void UpdButinvClick();
    void GASClick();
    void VASClick();
    void SASClick();
    void MASClick();
    void AddBnetClick();
    void DelBnetClick();
    void RenameClick();
    // The rename dialog's work once it has a new name: the profile's file,
    // the registry, the list.
    void renameProfile(const std::string& newName);
    void CMFileLoadConfigClick();
    void CMFileSaveConfigClick();
    void CMFileReloadCFGClick();
    void CMRegCleanUpClick();
    void CMOptionsClick();
    void CMHelpInfoClick();
    void CPSClick();
    void CPRClick();
    void CPLClick();
    void CPEClick();
    // The folder chooser's OK: the target folder and all four edits.
    void folderChosen(const std::string& folder);
    void W3IconClick();
    void WEIconClick();
    void CMHelpReadmeClick();
    void RemLoFiKeyClick();
    void CMFileCloseClick();
    void ShtdwnClick();

private:
    void showNoConfigurationLoaded() override;
    void enableCleanup() override;
    void emptyProfiles() override;
    void readAccounts() override;
    void present() override;

    void presentSetting(const SettingBinding& row, Control& control);
    void takeSetting(const SettingBinding& row, Control& control);
    void takePort();
    int32_t fillRefreshRates();
    void presentRefreshRates();
    void rebuildRefreshRates();
    void deleteAccountName();
    void storeAccountNames(bool& found);
    void chooseFolder(int target);
    void writeLoadedConfiguration();
    void startAndEnd(const std::string& program);

    Context& context_;
    Window window_;
    // Each row's control, in the order of settingBindings(); none where it is NotShown.
    std::vector<Control*> boundControls_;
    TAddBnetForm* addBnetForm_ = nullptr;
    TRenCPForm* renCPForm_ = nullptr;
    TOptForm* optForm_ = nullptr;
    TProginfo* proginfo_ = nullptr;
    TCDForm* cdForm_ = nullptr;
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
