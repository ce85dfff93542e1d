// The files behind the main window: configuration files saved and loaded,
// and the game's campaign profiles renamed.
#include "app/CampaignProfiles.h"
#include "app/GameRunning.h"
#include "app/MainWindow.h"
#include "config/ConfigFile.h"
#include "dialogs/ProfileRenameDialog.h"
#include "files/Utf8Paths.h"
#include "settings/ApplySettings.h"

namespace orvane {

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
    context_.history.nameChange(translatable("Load Configuration"));
    settings_.ignoreChangesUntilPresented();
    reloadSettings();
    const std::string fileName = LoadConfigDlg.execute().value_or("");
    IniDocument document = fileName.empty() ? IniDocument{} : readConfigurationFile(pathOf(fileName));
    if (!fileName.empty())
        setPanelText(2, fileName);
    loadConfiguration(document, context_.settings, context_.services.displayModes);
    settings_.given([&document](const schema::StoredValue& value) { return givesValue(document, value); });
    accounts_.postAdditions(accountNamesOf(document));
    settings_.refreshAccountNames();
    document = {};
    if (!fileName.empty() &&
        context_.services.boxes.show({MessageId::SaveLoadedConfiguration, context_.texts("Save to Registry?"),
                                      context_.texts("Do you want to save the loaded configuration to Registry?"),
                                      MessageIcon::Question, MessageButtons::YesNo}) == MessageAnswer::Yes &&
        writeDespiteRunningGame(context_)) {
        const ValueSelection written = settings_.known(heldByConfigurationFiles());
        applySettings(*context_.registry, context_.settings, written, std::nullopt);
        settings_.remember(written);
    }
    CPCombo.clear();
    settings_.present();
}

void MainWindow::askForProfileName()
{
    window_.setEnabled(false);
    dialogs_->profileRename.open(window_, CPCombo.text());
}

void MainWindow::renameProfile(const std::string& newName)
{
    context_.history.nameChange(translatable("Rename Profile"));
    if (!writeDespiteRunningGame(context_))
        return;
    orvane::renameProfile(*context_.registry, context_.place.paths, context_.settings.savpath, CPCombo.selected() + 1,
                          newName);
    context_.settings.campaignprofile = newName;
    settings_.relistProfiles();
}

} // namespace orvane
