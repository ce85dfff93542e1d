#pragma once
// What the windows share, from start to exit: the services the program
// asks of its toolkit and system, where the settings are kept, the registry
// object and the settings record. State that one window uses is that
// window's own. Each toolkit's main creates one and hands it to every
// window; a test builds a fresh one. Used on the user-interface thread only.
#include "context/Commands.h"
#include "context/FileDialogs.h"
#include "context/MessageBoxes.h"
#include "context/ProgramStarter.h"
#include "context/RunningPrograms.h"
#include "controls/Toolkit.h"
#include "language/Texts.h"
#include "settings/DisplayModes.h"
#include "registry/ChangeHistory.h"
#include "registry/RegistryAccess.h"
#include "registry/RegistryStore.h"
#include "settings/SettingsSnapshot.h"
#include "wine/PathMapping.h"

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
// Windows paths map to this machine's, the Wine prefix that holds it (empty
// for the system's own registry), named by panel 0's tool tip, and the programs to look among for the
// game before a write (none where the store itself refuses to write while
// the game runs, as a Wine prefix's does), and the folder of the history of
// changes (empty: none is kept).
struct SettingsPlace {
    std::function<std::unique_ptr<RegistryStore>()> openStore;
    PathMapping paths;
    std::string winePrefix;
    RunningPrograms* programs = nullptr;
    std::filesystem::path history;
};

// Where Orvane's own files are: the folder of the program, and the folder
// an installation keeps its documents in (empty where there is none).
struct ProgramFolders {
    std::filesystem::path program;
    std::filesystem::path documents;
};

class Context {
public:
    Context(Services services, SettingsPlace place, std::vector<std::string> arguments, ProgramFolders folders = {},
            Texts texts = {})
        : services(services),
          place(std::move(place)),
          arguments(std::move(arguments)),
          folders(std::move(folders)),
          texts(std::move(texts)),
          history(this->place.history),
          commands(services.boxes, registry, this->texts)
    {}
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;

    const Services services;
    const SettingsPlace place;
    const std::vector<std::string> arguments; // without the program name
    const ProgramFolders folders;
    // Every text the windows show, in the player's language.
    const Texts texts;

    // What each change replaced; whoever writes names the change first.
    ChangeHistory history;
    // Made by the start, once the installation check opens the registry.
    std::unique_ptr<RegistryAccess> registry;
    // Every user event runs through it.
    Commands commands;
    // The settings as the windows last read, showed or were given them.
    SettingsSnapshot settings;
};

} // namespace orvane
