// Bringing the window in line with the registry: the load, the account
// names and the presentation of the record in the controls.
#include "app/AccountNames.h"
#include "app/ProgramState.h"
#include "app/Resolutions.h"
#include "app/TMainForm.h"
#include "settings/SettingsRegistry.h"
#include "settings/comfunc.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>

#include <array>
#include <utility>

namespace orvane {
namespace {

std::string bnetValueName(size_t index)
{
    return std::string(schema::BnetValuePrefix) + std::to_string(index);
}

// 0 and 1 switch the box (the other way round for inverted boxes); any other
// value leaves it as it is.
void showSwitch(QCheckBox* box, int32_t value, bool inverted = false)
{
    if (value == 0 || value == 1)
        box->setChecked((value == 1) != inverted);
}

void showLevel(QComboBox* list, int32_t value)
{
    if (value >= 0 && value <= 2)
        list->setCurrentIndex(value);
}

void showDepth(QComboBox* list, int32_t value)
{
    if (value == 16 || value == 32)
        list->setCurrentIndex(value == 16 ? 0 : 1);
}

void showResolution(QComboBox* list, int32_t width, int32_t height)
{
    for (size_t i = 0; i < Resolutions.size(); ++i)
        if (Resolutions[i] == std::pair{width, height})
            list->setCurrentIndex(static_cast<int>(i));
}

// Adding to an empty list selects its first item; the caller's selection
// must stay what it was.
void appendKeepingSelection(QComboBox* list, const QStringList& items)
{
    const int selected = list->currentIndex();
    list->addItems(items);
    list->setCurrentIndex(selected);
}

} // namespace

void TMainForm::LoadRegData()
{
    ProgramState& state = programState();
    RegistryAccess& registry = *state.registry;
    SettingsSnapshot& record = state.settings;

    setPanelText(2, "No configuration loaded!");
    registry.OpenKey(schema::GameKey, false);
    if (!registry.ValueExists(schema::AllowLocalFiles)) {
        registry.WriteInteger(schema::AllowLocalFiles, 0);
        CMRegCleanUp->setEnabled(true);
    }
    registry.CloseKey();
    for (std::string_view key : {schema::OrvaneKey, schema::BnetUsersKey}) {
        if (!registry.KeyExists(key)) {
            registry.OpenKey(key, true);
            registry.CloseKey();
        }
    }
    registry.OpenKey(schema::OrvaneKey, false);
    if (!registry.ValueExists(schema::AutoApply))
        registry.WriteBool(schema::AutoApply, false);
    if (!registry.ValueExists(schema::OpenGL))
        registry.WriteBool(schema::OpenGL, false);
    if (!registry.ValueExists(schema::StartParams))
        registry.WriteString(schema::StartParams, "");
    record.autoapply = registry.ReadBool(schema::AutoApply);
    record.opengl = registry.ReadBool(schema::OpenGL);
    state.StartParams = registry.ReadString(schema::StartParams);
    registry.CloseKey();

    CPCombo->clear();
    CPCombo->setCurrentText({});

    registry.OpenKey(std::string(schema::GameKey) + "\\", false);
    record.AllowLocalFiles = registry.ReadInteger(schema::AllowLocalFiles);
    registry.CloseKey();
    for (const schema::FolderKey& folder : schema::FolderKeys) {
        registry.OpenKey(folder.path, false);
        record.*folder.field = registry.ReadString(schema::folderValueName(0));
        registry.CloseKey();
    }
    for (const schema::SettingsKey* key : schema::LoadOrder) {
        registry.OpenKey(key->path, false);
        for (const schema::SettingValue& value : key->values)
            if (value.readByLoad)
                readSetting(registry, value, record);
        registry.CloseKey();
    }
    ReadBnetUsers();
    UseRegData();
}

void TMainForm::ReadBnetUsers()
{
    ProgramState& state = programState();
    RegistryAccess& registry = *state.registry;
    std::string& current = state.settings.userbnet;

    registry.OpenKey(schema::BnetUsersKey, false);
    state.accountListsCreated = true;
    if (state.PendingDelete.pending) {
        // The current name moves to the entry after the deleted one, or before it at the end.
        const int selected = BnetName->currentIndex();
        const int next = selected < BnetName->count() - 1 ? selected + 1 : selected - 1;
        current = next >= 0 && next < BnetName->count() ? BnetName->itemText(next).toStdString() : std::string();
        for (size_t k = 0; k < state.BnetValueNames.size(); ++k)
            if (registry.ReadString(bnetValueName(k)) == state.PendingDelete.name)
                registry.DeleteValue(bnetValueName(k));
        state.PendingDelete.pending = false;
        registry.GetValueNames(state.BnetValueNames);
    }
    state.AccountList.clear();
    BnetName->clear();
    registry.GetValueNames(state.BnetValueNames);
    bool found = false;
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
    QStringList items;
    for (const std::string& name : state.AccountList)
        items << QString::fromStdString(name);
    appendKeepingSelection(BnetName, items);
    for (int j = 0; j < BnetName->count(); ++j)
        if (BnetName->itemText(j).toStdString() == current)
            BnetName->setCurrentIndex(j);
    for (const std::string& valueName : state.BnetValueNames)
        registry.DeleteValue(valueName);
    for (size_t k = 0; k < state.AccountList.size(); ++k)
        registry.WriteString(bnetValueName(k), state.AccountList[k]);
    if (!found) {
        // Stored under a free name, the current name is read back by the run below.
        registry.WriteString(bnetValueName(state.AccountList.size()), current);
        ReadBnetUsers();
        return;
    }
    registry.GetValueNames(state.BnetValueNames);
    registry.CloseKey();
}

void TMainForm::UseRegData()
{
    ProgramState& state = programState();
    const SettingsSnapshot& record = state.settings;
    state.ControlsFilled = false;

    showSwitch(MSCB, record.mousescrolldisable, true);
    MSTrackBar->setValue(record.mousescroll);
    KSTrackBar->setValue(record.keyscroll);
    showSwitch(TTCB, record.tooltips);
    NetGP->setText(QString::number(record.netgameport));

    showResolution(ResCB, record.reswidth, record.resheight);
    showDepth(CDCombo, record.colordepth);
    presentRefreshRates();
    showLevel(MDCombo, record.modeldetail);
    showLevel(AQCombo, record.animquality);
    showLevel(TQCombo, record.texquality);
    showLevel(PCombo, record.particles);
    showLevel(LCombo, record.lights);
    showSwitch(USCB, record.unitshadows);
    showSwitch(OCB, record.occlusion);
    GammaTrackBar->setValue(record.gamma);
    showLevel(MipCombo, record.miplevel);
    showDepth(TCDCombo, record.texcolordepth);
    OGLCB->setChecked(record.opengl);

    showSwitch(SFXCB, record.sfx);
    SFXTrackBar->setValue(record.sfxvolume);
    showSwitch(MCB, record.music);
    MusicTrackBar->setValue(record.musicvolume);
    showSwitch(EnvCB, record.environmental);
    showSwitch(MovCB, record.movement);
    showSwitch(URCB, record.unit);
    showSwitch(STCB, record.subtitles);
    showSwitch(PosCB, record.positional);
    showSwitch(AmbCB, record.ambient);
    showLevel(SndSysCombo, record.provider);
    showSwitch(MidiCB, record.nomidi, true);
    showSwitch(SoftMidiCB, record.softwaremidi);

    LANName->setText(QString::fromStdString(record.userlocal));
    PS->setText(QString::fromStdString(record.savpath));
    PR->setText(QString::fromStdString(record.reppath));
    PL->setText(QString::fromStdString(record.logpath));
    PE->setText(QString::fromStdString(record.errpath));
    showSwitch(IMCB, record.seenintromovie, true);
    showSwitch(ALFCB, record.AllowLocalFiles);

    state.ControlsFilled = true;
    setPanelText(1, "No changes have been made!");
    ChangeSettings();
}

QStringList TMainForm::listRefreshRates()
{
    ProgramState& state = programState();
    const SettingsSnapshot& record = state.settings;
    state.RefreshRateList = ListRefreshRates(record.reswidth, record.resheight, record.colordepth);
    QStringList items;
    for (int32_t rate : state.RefreshRateList)
        items << QString::number(rate) + " Hz";
    return items;
}

void TMainForm::presentRefreshRates()
{
    ProgramState& state = programState();
    const SettingsSnapshot& record = state.settings;
    appendKeepingSelection(RRCombo, listRefreshRates());
    if (MaxRefreshRate(record.reswidth, record.resheight, record.colordepth) >= record.refreshrate)
        for (size_t i = 0; i < state.RefreshRateList.size(); ++i)
            if (state.RefreshRateList[i] == record.refreshrate)
                RRCombo->setCurrentIndex(static_cast<int>(i));
}

} // namespace orvane
