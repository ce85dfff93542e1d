#include "app/Startup.h"

#include "context/ProgramInfo.h"
#include "settings/Schema.h"
#include "settings/SettingsHistory.h"

#include <filesystem>
#include <optional>
#include <system_error>

namespace orvane {
namespace {

void showFatalMessage(MessageBoxes& boxes, const Texts& texts)
{
    boxes.show({MessageId::NotInstalled, texts("Fatal Error: Warcraft III is not installed correctly!"),
                texts.formatted("It appears that Warcraft III is not installed correctly. Install or reinstall "
                                "Warcraft III and run my program again. If you continue encountering problems, "
                                "send an e-amil to %s.",
                                {MaintainerAddress}),
                MessageIcon::Information, MessageButtons::Ok});
}

// The installation check: nullopt when the game is not installed for this
// user. Opens the registry and moves into the game's folder.
std::optional<Installation> checkInstallation(Context& context)
{
    Installation installation{.startFolder = std::filesystem::current_path()};
    context.registry = std::make_unique<RegistryAccess>(withHistory(context.place.openStore(), context.history));
    RegistryAccess& registry = *context.registry;
    if (!registry.keyExists(schema::GameKey))
        return std::nullopt;
    installation.gameFolder = registry.openKey(schema::GameKey).readString(schema::InstallPath);
    std::error_code ignored; // an unusable folder leaves the current directory as it is
    if (!installation.gameFolder.empty())
        std::filesystem::current_path(context.place.paths.hostPath(installation.gameFolder), ignored);
    if (!context.place.paths.containsFile(std::filesystem::current_path(), "war3.mpq"))
        return std::nullopt;
    return installation;
}

// The window kept in its slot and built by the toolkit.
template <class Logic>
Logic& realised(std::unique_ptr<Logic>& slot, std::unique_ptr<Logic> logic, Toolkit& toolkit)
{
    slot = std::move(logic);
    toolkit.realise(slot->window());
    return *slot;
}

} // namespace

StartOutcome startProgram(Windows& windows, Context& context)
{
    Toolkit& toolkit = context.services.toolkit;
    std::optional<Installation> installation;
    try {
        installation = checkInstallation(context);
        if (!installation) {
            context.registry.reset();
            showFatalMessage(context.services.boxes, context.texts);
            return StartOutcome::NotInstalled;
        }
    } catch (const std::exception& error) {
        // No window exists yet: the report of an unhandled error ends the program.
        context.registry.reset();
        context.commands.showErrorBox(error);
        return StartOutcome::Failed;
    }
    MainWindow& main = realised(windows.main, std::make_unique<MainWindow>(context, std::move(*installation)), toolkit);
    context.commands.run([&main] { main.start(); });
    AboutBox& about = realised(windows.about, std::make_unique<AboutBox>(context), toolkit);
    FolderChooser& folders = realised(
        windows.folders,
        std::make_unique<FolderChooser>(context, [&main](const std::string& folder) { main.folderChosen(folder); }),
        toolkit);
    ProfileRenameDialog& profileRename = realised(
        windows.profileRename,
        std::make_unique<ProfileRenameDialog>(context, [&main](const std::string& name) { main.renameProfile(name); }),
        toolkit);
    AccountNameDialog& accountName =
        realised(windows.accountName,
                 std::make_unique<AccountNameDialog>(context, main.accounts().names(),
                                                     [&main](const std::string& name) { main.addAccountName(name); }),
                 toolkit);
    OptionsDialog& options =
        realised(windows.options, std::make_unique<OptionsDialog>(context, main.programs()), toolkit);
    RestoreDialog& restore = realised(
        windows.restore,
        std::make_unique<RestoreDialog>(context, [&main](const std::vector<HistoryEntry>& entries,
                                                         size_t count) { main.restoreBefore(entries, count); }),
        toolkit);
    main.attachDialogs({about, folders, profileRename, accountName, options, restore});
    return StartOutcome::Running;
}

int runProgram(Context& context, const std::function<void()>& eventLoop)
{
    Windows windows;
    const StartOutcome outcome = startProgram(windows, context);
    if (outcome == StartOutcome::Running) {
        windows.main->window().show();
        eventLoop();
    }
    return exitStatus(outcome);
}

int exitStatus(StartOutcome outcome)
{
    return outcome == StartOutcome::Failed ? 1 : 0;
}

} // namespace orvane
