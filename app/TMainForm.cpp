#include "app/TMainForm.h"

#include "app/MainFormLayout.h"
#include "dialogs/AccountNameDialog.h"
#include "dialogs/FolderChooser.h"
#include "dialogs/AboutBox.h"
#include "dialogs/OptionsDialog.h"
#include "dialogs/ProfileRenameDialog.h"
#include "platform/Folders.h"
#include "settings/Schema.h"

namespace orvane {

namespace {

FileDialogRequest configurationDialog(FileDialogRequest::Purpose purpose, const char* name, const char* title)
{
    return {.purpose = purpose,
            .name = name,
            .title = title,
            .filterName = "Orvane Configuration (*.ini)",
            .filterPattern = "*.ini",
            .defaultExtension = "ini"};
}

} // namespace

TMainForm::TMainForm(Context& context)
    : context_(context),
      window_(mainFormLayout(), context.commands),
      SaveConfigDlg(context.services.fileDialogs,
                    configurationDialog(FileDialogRequest::Purpose::Save, "SaveConfigDlg",
                                        "Choose a name or a file for the new Configuration")),
      LoadConfigDlg(context.services.fileDialogs,
                    configurationDialog(FileDialogRequest::Purpose::Open, "LoadConfigDlg",
                                        "Select a Configuration to load")),
      StatusBar(window_.statusBar("StatusBar")),
      CMRegCleanUp(window_.button("CMRegCleanUp")),
      MSCB(window_.check("MSCB")),
      MSTrackBar(window_.slider("MSTrackBar")),
      NetGP(window_.edit("NetGP")),
      RRCombo(window_.list("RRCombo")),
      SFXCB(window_.check("SFXCB")),
      SFXTrackBar(window_.slider("SFXTrackBar")),
      EnvCB(window_.check("EnvCB")),
      MovCB(window_.check("MovCB")),
      URCB(window_.check("URCB")),
      MCB(window_.check("MCB")),
      MusicTrackBar(window_.slider("MusicTrackBar")),
      CPCombo(window_.list("CPCombo")),
      BnetName(window_.list("BnetName")),
      PS(window_.edit("PS")),
      PR(window_.edit("PR")),
      PL(window_.edit("PL")),
      PE(window_.edit("PE"))
{
    for (const SettingBinding& row : settingBindings())
        boundControls_.push_back(row.control.empty() ? nullptr : &window_.control(row.control));
    window_.bind("UpdButinvClick", [this] { UpdButinvClick(); });
    window_.bind("GASClick", [this] { GASClick(); });
    window_.bind("VASClick", [this] { VASClick(); });
    window_.bind("SASClick", [this] { SASClick(); });
    window_.bind("MASClick", [this] { MASClick(); });
    window_.bind("AddBnetClick", [this] { AddBnetClick(); });
    window_.bind("DelBnetClick", [this] { DelBnetClick(); });
    window_.bind("RenameClick", [this] { RenameClick(); });
    window_.bind("CMFileLoadConfigClick", [this] { CMFileLoadConfigClick(); });
    window_.bind("CMFileSaveConfigClick", [this] { CMFileSaveConfigClick(); });
    window_.bind("CMFileReloadCFGClick", [this] { CMFileReloadCFGClick(); });
    window_.bind("CMFileCloseClick", [this] { CMFileCloseClick(); });
    window_.bind("CMRegCleanUpClick", [this] { CMRegCleanUpClick(); });
    window_.bind("CMOptionsClick", [this] { CMOptionsClick(); });
    window_.bind("CMHelpInfoClick", [this] { CMHelpInfoClick(); });
    window_.bind("CPSClick", [this] { CPSClick(); });
    window_.bind("CPRClick", [this] { CPRClick(); });
    window_.bind("CPLClick", [this] { CPLClick(); });
    window_.bind("CPEClick", [this] { CPEClick(); });
    window_.bind("RemLoFiKeyClick", [this] { RemLoFiKeyClick(); });
    window_.bind("W3IconClick", [this] { W3IconClick(); });
    window_.bind("WEIconClick", [this] { WEIconClick(); });
    window_.bind("CMHelpReadmeClick", [this] { CMHelpReadmeClick(); });
    window_.bind("ShtdwnClick", [this] { ShtdwnClick(); });
    // The main window is the application's: closing it ends the program,
    // also while a dialog is open.
    window_.setOnClose([this] { CMFileCloseClick(); });
}

void TMainForm::FormCreate()
{
    Context& state = context_;
    state.PendingAdd.pending = false;
    state.PendingDelete.pending = false;
    state.accountListsCreated = false;
    state.StartParams.clear();
    setPanelText(1, "No configuration loaded!");
    state.registry->SetRootKey(RootKey::CurrentUser);
    if (!state.arguments.empty() && state.arguments.front() == "/scrshtemu")
        state.InstallDir = "C:\\Program Files\\Warcraft III";
    setPanelText(0, "Installed in " + state.InstallDir);
    StatusBar.setPanelHint(0, state.place.description);
    state.registry->OpenKey(schema::GameKey, false);
    state.GameExePath = state.registry->ReadString(schema::Program);
    state.registry->CloseKey();
    state.EditorExePath = state.InstallDir + "\\World Editor.exe";
    LoadRegData();
}

void TMainForm::LoadRegData()
{
    Context& state = context_;
    orvane::LoadRegData(*state.registry, state.settings, state.StartParams, *this);
}

void TMainForm::showNoConfigurationLoaded()
{
    setPanelText(2, "No configuration loaded!");
}

void TMainForm::enableCleanup()
{
    CMRegCleanUp.setEnabled(true);
}

void TMainForm::emptyProfiles()
{
    CPCombo.clear();
}

void TMainForm::readAccounts()
{
    ReadBnetUsers();
}

void TMainForm::present()
{
    UseRegData();
}

void TMainForm::AddBnetClick()
{
    window_.setEnabled(false);
    addBnetForm_->open(window_);
}

void TMainForm::CMOptionsClick()
{
    window_.setEnabled(false);
    optForm_->open(window_);
}

void TMainForm::CMHelpInfoClick()
{
    window_.setEnabled(false);
    proginfo_->open(window_);
}

void TMainForm::CPSClick()
{
    chooseFolder(0);
}

void TMainForm::CPRClick()
{
    chooseFolder(1);
}

void TMainForm::CPLClick()
{
    chooseFolder(2);
}

void TMainForm::CPEClick()
{
    chooseFolder(3);
}

void TMainForm::chooseFolder(int target)
{
    Context& state = context_;
    state.FolderTarget = target;
    enterFolder(state.place.paths, state.InstallDir); // where it cannot, the current directory stays
    window_.setEnabled(false);
    cdForm_->open(window_);
}

void TMainForm::folderChosen(const std::string& folder)
{
    SettingsSnapshot& record = context_.settings;
    std::string* const fields[] = {&record.savpath, &record.reppath, &record.logpath, &record.errpath};
    if (const int target = context_.FolderTarget; target >= 0 && target < 4)
        *fields[target] = folder;
    // Each text set is a change, as if typed.
    PS.setText(record.savpath);
    PR.setText(record.reppath);
    PL.setText(record.logpath);
    PE.setText(record.errpath);
}

void TMainForm::DelBnetClick()
{
    context_.PendingDelete = {BnetName.text(), true};
    ReadBnetUsers();
}

void TMainForm::CMFileReloadCFGClick()
{
    LoadRegData();
}

void TMainForm::CMFileCloseClick()
{
    context_.services.toolkit.quit();
}

void TMainForm::ShtdwnClick()
{
    Shutdown();
}

void TMainForm::Shutdown()
{
    if (shutDown_)
        return;
    shutDown_ = true;
    Context& state = context_;
    state.registry.reset();
    if (state.accountListsCreated) {
        state.AccountList.clear();
        state.BnetValueNames.clear();
        state.accountListsCreated = false;
    }
    CMFileCloseClick();
}

} // namespace orvane
