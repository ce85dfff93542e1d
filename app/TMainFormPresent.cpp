// From the registry to the window: the account names and the presentation
// of the record in the controls.
#include "app/AccountNames.h"
#include "app/Mappings.h"
#include "app/ProgramState.h"
#include "app/TMainForm.h"
#include "settings/Schema.h"

namespace orvane {
namespace {

std::string bnetValueName(size_t index)
{
    return std::string(schema::BnetValuePrefix) + std::to_string(index);
}

void show(CheckControl& box, int32_t value, bool inverted = false)
{
    if (const auto checked = checkedFor(value, inverted))
        box.setChecked(*checked);
}

void showLevel(ListControl& list, int32_t value)
{
    if (const auto index = levelIndexFor(value))
        list.select(*index);
}

void showDepth(ListControl& list, int32_t value)
{
    if (const auto index = depthIndexFor(value))
        list.select(*index);
}

} // namespace

void TMainForm::ReadBnetUsers()
{
    ProgramState& state = programState();
    RegistryAccess& registry = *state.registry;

    registry.OpenKey(schema::BnetUsersKey, false);
    state.accountListsCreated = true;
    if (state.PendingDelete.pending)
        deleteAccountName();
    state.AccountList.clear();
    BnetName.clear();
    registry.GetValueNames(state.BnetValueNames);
    bool found = false;
    storeAccountNames(found);
    if (!found) {
        // Stored under a free name, the current name is read back by the run below.
        registry.WriteString(bnetValueName(state.AccountList.size()), state.settings.userbnet);
        ReadBnetUsers();
        return;
    }
    registry.GetValueNames(state.BnetValueNames);
    registry.CloseKey();
}

void TMainForm::deleteAccountName()
{
    ProgramState& state = programState();
    RegistryAccess& registry = *state.registry;
    // The current name moves to the entry after the deleted one, or before it at the end.
    const int selected = BnetName.selected();
    const int next = selected < BnetName.count() - 1 ? selected + 1 : selected - 1;
    state.settings.userbnet = next >= 0 && next < BnetName.count() ? BnetName.items()[static_cast<size_t>(next)] : "";
    for (size_t k = 0; k < state.BnetValueNames.size(); ++k)
        if (registry.ReadString(bnetValueName(k)) == state.PendingDelete.name)
            registry.DeleteValue(bnetValueName(k));
    state.PendingDelete.pending = false;
    registry.GetValueNames(state.BnetValueNames);
}

// Adds the pending name, takes every stored name into the list and stores
// the list again, sorted and numbered from 0.
void TMainForm::storeAccountNames(bool& found)
{
    ProgramState& state = programState();
    RegistryAccess& registry = *state.registry;
    const std::string& current = state.settings.userbnet;
    if (state.PendingAdd.pending && !state.PendingAdd.name.empty()) {
        registry.WriteString(bnetValueName(state.BnetValueNames.size()), state.PendingAdd.name);
        state.PendingAdd.pending = false;
        registry.GetValueNames(state.BnetValueNames);
    }
    for (const std::string& valueName : state.BnetValueNames) {
        const std::string name = registry.ReadString(valueName);
        found = found || name == current;
        addAccountName(state.AccountList, name);
    }
    BnetName.addItems(state.AccountList);
    for (int j = 0; j < BnetName.count(); ++j)
        if (BnetName.items()[static_cast<size_t>(j)] == current)
            BnetName.select(j);
    for (const std::string& valueName : state.BnetValueNames)
        registry.DeleteValue(valueName);
    for (size_t k = 0; k < state.AccountList.size(); ++k)
        registry.WriteString(bnetValueName(k), state.AccountList[k]);
}

void TMainForm::UseRegData()
{
    ProgramState& state = programState();
    const SettingsSnapshot& record = state.settings;
    state.ControlsFilled = false;

    show(MSCB, record.mousescrolldisable, true);
    MSTrackBar.setPosition(sliderPositionFor(record.mousescroll));
    KSTrackBar.setPosition(sliderPositionFor(record.keyscroll));
    show(TTCB, record.tooltips);
    NetGP.setText(std::to_string(record.netgameport));

    if (const auto index = resolutionIndexFor(record.reswidth, record.resheight))
        ResCB.select(*index);
    showDepth(CDCombo, record.colordepth);
    presentRefreshRates();
    showLevel(MDCombo, record.modeldetail);
    showLevel(AQCombo, record.animquality);
    showLevel(TQCombo, record.texquality);
    showLevel(PCombo, record.particles);
    showLevel(LCombo, record.lights);
    show(USCB, record.unitshadows);
    show(OCB, record.occlusion);
    GammaTrackBar.setPosition(sliderPositionFor(record.gamma));
    showLevel(MipCombo, record.miplevel);
    showDepth(TCDCombo, record.texcolordepth);
    OGLCB.setChecked(record.opengl);

    show(SFXCB, record.sfx);
    SFXTrackBar.setPosition(sliderPositionFor(record.sfxvolume));
    show(MCB, record.music);
    MusicTrackBar.setPosition(sliderPositionFor(record.musicvolume));
    show(EnvCB, record.environmental);
    show(MovCB, record.movement);
    show(URCB, record.unit);
    show(STCB, record.subtitles);
    show(PosCB, record.positional);
    show(AmbCB, record.ambient);
    showLevel(SndSysCombo, record.provider);
    show(MidiCB, record.nomidi, true);
    show(SoftMidiCB, record.softwaremidi);

    ReadProfiles();
    LANName.setText(record.userlocal);
    PS.setText(record.savpath);
    PR.setText(record.reppath);
    PL.setText(record.logpath);
    PE.setText(record.errpath);
    show(IMCB, record.seenintromovie, true);
    show(ALFCB, record.AllowLocalFiles);

    state.ControlsFilled = true;
    setPanelText(1, "No changes have been made!");
    ChangeSettings();
}

// RefreshRateList and RRCombo's items for the record's screen mode, built
// afresh, so that no selection of the last mode's list stands for a rate of
// this one. Returns the mode's top rate.
int32_t TMainForm::fillRefreshRates()
{
    ProgramState& state = programState();
    const SettingsSnapshot& record = state.settings;
    state.RefreshRateList = ListRefreshRates(record.reswidth, record.resheight, record.colordepth);
    RRCombo.clear();
    RRCombo.addItems(rateTexts(state.RefreshRateList));
    return MaxRefreshRate(record.reswidth, record.resheight, record.colordepth);
}

void TMainForm::presentRefreshRates()
{
    const int32_t top = fillRefreshRates();
    const ProgramState& state = programState();
    if (const auto index = presentedRateIndex(state.RefreshRateList, top, state.settings.refreshrate))
        RRCombo.select(*index);
}

} // namespace orvane
