// The files behind the main window: configuration files saved and loaded,
// and the game's campaign profiles listed and renamed.
#include "app/MainWindow.h"
#include "config/ConfigFile.h"
#include "dialogs/ProfileRenameDialog.h"
#include "settings/ApplySettings.h"
#include "settings/Schema.h"
#include "files/Utf8Paths.h"

namespace orvane {
namespace {

std::string profileFolder(const std::string& savpath, int number)
{
    return savpath + "\\Profile" + std::to_string(number);
}

std::string profileFile(const std::string& savpath, int number)
{
    return profileFolder(savpath, number) + "\\Campaigns.w3p";
}

} // namespace

void MainWindow::saveConfigurationFile()
{
    const std::optional<std::string> chosen = SaveConfigDlg.execute();
    if (!chosen || chosen->empty())
        return;
    const std::filesystem::path file = pathOf(*chosen);
    IniDocument document = readConfigurationFile(file);
    storeConfiguration(document, context_.settings, accounts_.names());
    document.save(file);
}

void MainWindow::loadConfigurationFile()
{
    changeDetectionOn_ = false;
    reloadSettings();
    const std::string fileName = LoadConfigDlg.execute().value_or("");
    IniDocument document = fileName.empty() ? IniDocument{} : readConfigurationFile(pathOf(fileName));
    if (!fileName.empty())
        setPanelText(2, fileName);
    loadConfiguration(document, context_.settings, context_.services.displayModes);
    accounts_.postAdditions(accountNamesOf(document));
    refreshAccountNames();
    document = {};
    if (!fileName.empty() &&
        context_.services.boxes.show({MessageId::SaveLoadedConfiguration, "Save to Registry?",
                                      "Do you want to save the loaded configuration to Registry?",
                                      MessageIcon::Question, MessageButtons::YesNo}) == MessageAnswer::Yes) {
        applySettings(*context_.registry, context_.settings, heldByConfigurationFiles(), std::nullopt);
        remember(heldByConfigurationFiles());
    }
    CPCombo.clear();
    presentSettings();
}

void MainWindow::listProfiles()
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

void MainWindow::askForProfileName()
{
    window_.setEnabled(false);
    dialogs_->profileRename.open(window_, CPCombo.text());
}

void MainWindow::renameProfile(const std::string& newName)
{
    const std::filesystem::path file =
        context_.place.paths.hostPath(profileFile(context_.settings.savpath, CPCombo.selected() + 1));
    // The game may keep a profile in a form of its own: never replace it with a few lines of text.
    IniDocument profile = readProfileFile(file);
    profile.writeString("Campaign", "PlayerName", newName);
    // The registry first, written through: when it refuses (Wine running),
    // the profile file has not been touched.
    RegistryAccess& registry = *context_.registry;
    RegistryKey misc = registry.openKey(std::string(schema::MiscKey) + "\\");
    const std::optional<std::string> stored =
        misc.hasValue("campaignprofile") ? std::optional(misc.readString("campaignprofile")) : std::nullopt;
    misc.writeString("campaignprofile", newName);
    registry.flush();
    try {
        profile.save(file);
    } catch (const std::exception&) {
        misc = registry.openKey(std::string(schema::MiscKey) + "\\");
        if (stored)
            misc.writeString("campaignprofile", *stored);
        else
            misc.deleteValue("campaignprofile");
        throw;
    }
    context_.settings.campaignprofile = newName;
    CPCombo.clear();
    listProfiles();
}

} // namespace orvane
