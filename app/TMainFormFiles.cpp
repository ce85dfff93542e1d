// The files behind the main window: configuration files saved and loaded,
// and the game's campaign profiles listed and renamed.
#include "app/TMainForm.h"
#include "config/ConfigFile.h"
#include "dialogs/ProfileRenameDialog.h"
#include "platform/TextCompare.h"
#include "settings/ApplySettings.h"
#include "settings/Errors.h"
#include "settings/Schema.h"
#include "settings/Utf8Paths.h"

#include <algorithm>

namespace orvane {
namespace {

bool holdsName(const std::vector<std::string>& names, const std::string& name)
{
    return std::any_of(names.begin(), names.end(),
                       [&name](const std::string& entry) { return compareIgnoringCase(entry, name) == 0; });
}

std::string profileFolder(const std::string& savpath, int number)
{
    return savpath + "\\Profile" + std::to_string(number);
}

std::string profileFile(const std::string& savpath, int number)
{
    return profileFolder(savpath, number) + "\\Campaigns.w3p";
}

} // namespace

void TMainForm::CMFileSaveConfigClick()
{
    const std::optional<std::string> chosen = SaveConfigDlg.execute();
    if (!chosen || chosen->empty())
        return;
    const std::filesystem::path file = pathOf(*chosen);
    IniDocument document = readConfigurationFile(file);
    const Context& state = context_;
    storeConfiguration(document, state.settings, state.StartParams, state.AccountList);
    document.save(file);
}

void TMainForm::CMFileLoadConfigClick()
{
    Context& state = context_;
    state.ControlsFilled = false;
    LoadRegData();
    const std::string fileName = LoadConfigDlg.execute().value_or("");
    IniDocument document = fileName.empty() ? IniDocument{} : readConfigurationFile(pathOf(fileName));
    if (!fileName.empty())
        setPanelText(2, fileName);
    loadConfiguration(document, state.settings, state.StartParams, state.services.displayModes);
    for (const std::string& name : accountNamesOf(document)) {
        if (holdsName(state.AccountList, name))
            continue;
        state.PendingAdd = {name, true};
        ReadBnetUsers();
    }
    document = {};
    if (!fileName.empty() &&
        state.services.boxes.show({"Save to Registry?", "Do you want to save the loaded configuration to Registry?",
                                   MessageIcon::Question, MessageButtons::YesNo}) == MessageAnswer::Yes)
        writeLoadedConfiguration();
    CPCombo.clear();
    UseRegData();
}

// Every setting, as an Apply of all groups writes them, and the start
// parameters; the load has already brought the port into range.
void TMainForm::writeLoadedConfiguration()
{
    RegistryAccess& registry = *context_.registry;
    applySettings(registry, context_.settings, [](const schema::Field&) { return true; }, std::nullopt);
    registry.OpenKey(schema::OrvaneKey, false);
    registry.WriteString(schema::StartParams, context_.StartParams);
    registry.CloseKey();
}

void TMainForm::ReadProfiles()
{
    const SettingsSnapshot& record = context_.settings;
    for (int number = 1;; ++number) {
        std::error_code error;
        if (!std::filesystem::is_directory(context_.place.paths.hostPath(profileFolder(record.savpath, number)), error))
            return;
        const IniDocument profile = IniDocument::load(context_.place.paths.hostPath(profileFile(record.savpath, number)));
        const std::string name = profile.readString("Campaign", "PlayerName", "noprofile");
        CPCombo.addItems({name});
        if (name == record.campaignprofile)
            CPCombo.select(number - 1);
    }
}

void TMainForm::RenameClick()
{
    window_.setEnabled(false);
    renCPForm_->open(window_, CPCombo.text());
}

void TMainForm::renameProfile(const std::string& newName)
{
    Context& state = context_;
    const std::filesystem::path file = state.place.paths.hostPath(profileFile(state.settings.savpath, CPCombo.selected() + 1));
    // The game may keep a profile in a form of its own: never replace it with a few lines of text.
    IniDocument profile = readProfileFile(file);
    profile.writeString("Campaign", "PlayerName", newName);
    // The registry first, written through: when it refuses (Wine running),
    // the profile file has not been touched.
    RegistryAccess& registry = *state.registry;
    registry.OpenKey(std::string(schema::MiscKey) + "\\", false);
    const std::optional<std::string> stored =
        registry.ValueExists("campaignprofile") ? std::optional(registry.ReadString("campaignprofile")) : std::nullopt;
    registry.WriteString("campaignprofile", newName);
    registry.CloseKey();
    registry.flush();
    try {
        profile.save(file);
    } catch (const std::exception&) {
        registry.OpenKey(std::string(schema::MiscKey) + "\\", false);
        if (stored)
            registry.WriteString("campaignprofile", *stored);
        else
            registry.DeleteValue("campaignprofile");
        registry.CloseKey();
        throw;
    }
    state.settings.campaignprofile = newName;
    CPCombo.clear();
    ReadProfiles();
}

} // namespace orvane
