#include "app/Startup.h"

#include "app/ErrorHandler.h"
#include "app/OrvaneApplication.h"
#include "app/ProgramInfo.h"
#include "app/ProgramState.h"
#include "platform/HostPaths.h"
#include "platform/QtMessageBoxes.h"
#include "settings/DefaultStore.h"
#include "settings/Schema.h"

#include <filesystem>
#include <system_error>

namespace orvane {
namespace {

void showFatalMessage()
{
    messageBoxes().show({"Fatal Error: Warcraft III is not installed correctly!",
                         std::string("It appears that Warcraft III is not installed correctly. Install or reinstall "
                                     "Warcraft III and run my program again. If you continue encountering problems, "
                                     "send an e-amil to ") +
                             MaintainerAddress + ".",
                         MessageIcon::Information, MessageButtons::Ok});
}

// The installation check: false when the game is not installed for this user.
bool checkInstallation(ProgramState& state)
{
    state.StartDir = std::filesystem::current_path().string();
    state.registry = std::make_unique<RegistryAccess>(createDefaultStore());
    RegistryAccess& registry = *state.registry;
    if (!registry.KeyExists(schema::GameKey))
        return false;
    registry.OpenKey(schema::GameKey, false);
    state.InstallDir = registry.ReadString(schema::InstallPath);
    registry.CloseKey();
    std::error_code ignored; // an unusable folder leaves the current directory as it is
    if (!state.InstallDir.empty())
        std::filesystem::current_path(hostPath(state.InstallDir), ignored);
    return containsFile(std::filesystem::current_path(), "war3.mpq");
}

} // namespace

StartOutcome startProgram(Windows& windows)
{
    ProgramState& state = programState();
    try {
        if (!checkInstallation(state)) {
            state.registry.reset();
            showFatalMessage();
            return StartOutcome::NotInstalled;
        }
    } catch (const std::exception& error) {
        // No window exists yet: the report of an unhandled error ends the program.
        state.registry.reset();
        showErrorBox(error);
        return StartOutcome::Failed;
    }
    QCoreApplication::setApplicationName(ApplicationTitle);
    windows.MainForm = std::make_unique<TMainForm>();
    windows.Proginfo = std::make_unique<TProginfo>();
    windows.CDForm = std::make_unique<TCDForm>();
    windows.RenCPForm = std::make_unique<TRenCPForm>();
    TMainForm* mainForm = windows.MainForm.get();
    windows.AddBnetForm = std::make_unique<TAddBnetForm>([mainForm] { mainForm->ReadBnetUsers(); });
    mainForm->setAddBnetForm(windows.AddBnetForm.get());
    windows.OptForm = std::make_unique<TOptForm>();
    return StartOutcome::Running;
}

int runOrvane(int argc, char** argv)
{
    OrvaneApplication application(argc, argv);
    QtMessageBoxes boxes;
    installMessageBoxes(&boxes);
    for (int i = 1; i < argc; ++i)
        programState().arguments.emplace_back(argv[i]);
    Windows windows;
    switch (startProgram(windows)) {
    case StartOutcome::NotInstalled: return 0;
    case StartOutcome::Failed: return 1;
    case StartOutcome::Running: break;
    }
    windows.MainForm->show();
    application.exec();
    return 0;
}

} // namespace orvane
