#pragma once
// The program-wide variables: each exists once, from start to exit, and is
// used on the user-interface thread only.
#include "controls/Toolkit.h"
#include "settings/RegistryAccess.h"
#include "settings/SettingsSnapshot.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace orvane {

using integerarray = std::vector<int32_t>;

// An account name waiting to be added to or deleted from the stored list.
struct PendingAccountName {
    std::string name;
    bool pending = false;
};

struct ProgramState {
    std::vector<std::string> arguments; // without the program name
    std::string registryPlace;          // where the settings are kept, when not in the system's registry
    Toolkit* toolkit = nullptr;
    std::unique_ptr<RegistryAccess> registry;
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

ProgramState& programState();
// Back to the state at program start (for a second start within tests).
void resetProgramState();

} // namespace orvane
