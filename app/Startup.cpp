#include "app/Startup.h"

#include "context/ProgramInfo.h"
#include "settings/Schema.h"

#include <filesystem>
#include <system_error>

namespace orvane {
namespace {

void showFatalMessage(MessageBoxes& boxes)
{
    boxes.show({"Fatal Error: Warcraft III is not installed correctly!",
                         std::string("It appears that Warcraft III is not installed correctly. Install or reinstall "
                                     "Warcraft III and run my program again. If you continue encountering problems, "
                                     "send an e-amil to ") +
                             MaintainerAddress + ".",
                         MessageIcon::Information, MessageButtons::Ok});
}

// The installation check: false when the game is not installed for this user.
bool checkInstallation(Context& state)
{
    state.StartDir = std::filesystem::current_path().string();
    state.registry = std::make_unique<RegistryAccess>(state.place.openStore());
    RegistryAccess& registry = *state.registry;
    if (!registry.KeyExists(schema::GameKey))
        return false;
    registry.OpenKey(schema::GameKey, false);
    state.InstallDir = registry.ReadString(schema::InstallPath);
    registry.CloseKey();
    std::error_code ignored; // an unusable folder leaves the current directory as it is
    if (!state.InstallDir.empty())
        std::filesystem::current_path(state.place.paths.hostPath(state.InstallDir), ignored);
    return state.place.paths.containsFile(std::filesystem::current_path(), "war3.mpq");
}

// The dialogs whose controls come with the features that use them.

template <class Form>
Form& realised(std::unique_ptr<Form>& slot, std::unique_ptr<Form> form, Toolkit& toolkit)
{
    slot = std::move(form);
    toolkit.realise(slot->window());
    return *slot;
}

} // namespace

StartOutcome startProgram(Windows& windows, Context& state)
{
    Toolkit& toolkit = state.services.toolkit;
    try {
        if (!checkInstallation(state)) {
            state.registry.reset();
            showFatalMessage(state.services.boxes);
            return StartOutcome::NotInstalled;
        }
    } catch (const std::exception& error) {
        // No window exists yet: the report of an unhandled error ends the program.
        state.registry.reset();
        state.commands.showErrorBox(error);
        return StartOutcome::Failed;
    }
    TMainForm& mainForm = realised(windows.MainForm, std::make_unique<TMainForm>(state), toolkit);
    state.commands.run([&mainForm] { mainForm.FormCreate(); });
    mainForm.setProginfo(&realised(windows.Proginfo, std::make_unique<TProginfo>(state), toolkit));
    auto cdForm = std::make_unique<TCDForm>(state, [&mainForm](const std::string& folder) { mainForm.folderChosen(folder); });
    mainForm.setCDForm(&realised(windows.CDForm, std::move(cdForm), toolkit));
    auto renCP = std::make_unique<TRenCPForm>(state, [&mainForm](const std::string& name) { mainForm.renameProfile(name); });
    mainForm.setRenCPForm(&realised(windows.RenCPForm, std::move(renCP), toolkit));
    auto addBnet = std::make_unique<TAddBnetForm>(state, [&mainForm] { mainForm.ReadBnetUsers(); });
    mainForm.setAddBnetForm(&realised(windows.AddBnetForm, std::move(addBnet), toolkit));
    mainForm.setOptForm(&realised(windows.OptForm, std::make_unique<TOptForm>(state), toolkit));
    return StartOutcome::Running;
}

int runProgram(Context& context, const std::function<void()>& eventLoop)
{
    Windows windows;
    const StartOutcome outcome = startProgram(windows, context);
    if (outcome == StartOutcome::Running) {
        windows.MainForm->window().show();
        eventLoop();
    }
    return exitStatus(outcome);
}

int exitStatus(StartOutcome outcome)
{
    return outcome == StartOutcome::Failed ? 1 : 0;
}

} // namespace orvane
