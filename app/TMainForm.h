#pragma once
// The main window's logic: what every control, button and menu item does.
// It holds the controls under their layout names and knows no toolkit.
#include "controls/Window.h"
#include "platform/FileDialogs.h"
#include "settings/LoadSettings.h"

#include <string_view>

namespace orvane {

class TAddBnetForm;
class TCDForm;
class TOptForm;
class TProginfo;
class TRenCPForm;

class TMainForm : private LoadSteps {
public:
    TMainForm();
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

    int32_t fillRefreshRates();
    void presentRefreshRates();
    void rebuildRefreshRates();
    void deleteAccountName();
    void storeAccountNames(bool& found);
    void chooseFolder(int target);

    Window window_;
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
    // Gameplay
    CheckControl& MSCB;
    SliderControl& MSTrackBar;
    LabelControl& MSCount;
    SliderControl& KSTrackBar;
    LabelControl& KSCount;
    CheckControl& TTCB;
    EditControl& NetGP;
    // Video
    ListControl& ResCB;
    ListControl& CDCombo;
    ListControl& RRCombo;
    ListControl& MDCombo;
    ListControl& AQCombo;
    ListControl& TQCombo;
    ListControl& PCombo;
    ListControl& LCombo;
    CheckControl& USCB;
    CheckControl& OCB;
    SliderControl& GammaTrackBar;
    LabelControl& GammaCount;
    ListControl& MipCombo;
    ListControl& TCDCombo;
    CheckControl& OGLCB;
    // Sound
    CheckControl& SFXCB;
    SliderControl& SFXTrackBar;
    LabelControl& SFXCount;
    CheckControl& MCB;
    SliderControl& MusicTrackBar;
    LabelControl& MusicCount;
    CheckControl& EnvCB;
    CheckControl& MovCB;
    CheckControl& URCB;
    CheckControl& STCB;
    CheckControl& PosCB;
    CheckControl& AmbCB;
    ListControl& SndSysCombo;
    CheckControl& MidiCB;
    CheckControl& SoftMidiCB;
    // Miscellaneous
    ListControl& CPCombo;
    ListControl& BnetName;
    EditControl& LANName;
    CheckControl& IMCB;
    EditControl& PS;
    EditControl& PR;
    EditControl& PL;
    EditControl& PE;
    CheckControl& ALFCB;
};

} // namespace orvane
