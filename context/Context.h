#pragma once
// Everything the windows share, from start to exit: the services the
// program asks of its toolkit and system, where the settings are kept, the
// registry object, the settings record and the program-wide values. Each
// toolkit's main creates one and hands it to every window; a test builds a
// fresh one. Used on the user-interface thread only.
#include "context/Commands.h"
#include "context/FileDialogs.h"
#include "context/MessageBoxes.h"
#include "context/ProgramStarter.h"
#include "controls/Toolkit.h"
#include "settings/DisplayModes.h"
#include "settings/RegistryAccess.h"
#include "settings/RegistryStore.h"
#include "settings/SettingsSnapshot.h"
#include "wine/PathMapping.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace orvane {

// What the program asks of the toolkit and the system it runs on.
struct Services {
    Toolkit& toolkit;
    MessageBoxes& boxes;
    FileDialogs& fileDialogs;
    ProgramStarter& starter;
    DisplayModeSource& displayModes;
};

// Where the settings are kept: the registry that the start opens, how its
// Windows paths map to this machine's, and panel 0's tool tip naming it
// (empty for the system's own registry).
struct SettingsPlace {
    std::function<std::unique_ptr<RegistryStore>()> openStore;
    PathMapping paths;
    std::string description;
};

// An account name waiting to be added to or deleted from the stored list.
struct PendingAccountName {
    std::string name;
    bool pending = false;
};

// Where Orvane's own files are: the folder of the program, and the folder
// an installation keeps its documents in (empty where there is none).
struct ProgramFolders {
    std::filesystem::path program;
    std::filesystem::path documents;
};

class Context {
public:
    Context(Services services, SettingsPlace place, std::vector<std::string> arguments, ProgramFolders folders = {})
        : services(services), place(std::move(place)), arguments(std::move(arguments)), folders(std::move(folders)),
          commands(services.boxes, registry)
    {
    }
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;

    const Services services;
    const SettingsPlace place;
    const std::vector<std::string> arguments; // without the program name
    const ProgramFolders folders;

    std::unique_ptr<RegistryAccess> registry;
    // Every user event runs through it.
    Commands commands;

    std::string StartDir;
    std::string InstallDir;
    std::string GameExePath;
    std::string EditorExePath;
    std::string StartParams;
    int FolderTarget = 0;
    SettingsSnapshot settings;

    std::vector<std::string> AccountList;
    std::vector<std::string> BnetValueNames;
    bool accountListsCreated = false;
    PendingAccountName PendingAdd;
    PendingAccountName PendingDelete;

    bool ControlsFilled = false;
    integerarray RefreshRateList;
};

} // namespace orvane
