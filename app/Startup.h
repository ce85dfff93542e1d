#pragma once
// The program entry: the installation check, the windows, the event loop.
#include "app/MainWindow.h"
#include "dialogs/AboutBox.h"
#include "dialogs/AccountNameDialog.h"
#include "dialogs/FolderChooser.h"
#include "dialogs/OptionsDialog.h"
#include "dialogs/ProfileRenameDialog.h"
#include "dialogs/RestoreDialog.h"

#include <functional>
#include <memory>

namespace orvane {

// Each window once, from start to exit, in the order of creation. Members
// go in reverse order: the dialogs first, then the main window, whose
// destruction shuts the program down.
struct Windows {
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<AboutBox> about;
    std::unique_ptr<FolderChooser> folders;
    std::unique_ptr<ProfileRenameDialog> profileRename;
    std::unique_ptr<AccountNameDialog> accountName;
    std::unique_ptr<OptionsDialog> options;
    std::unique_ptr<RestoreDialog> restore;
};

enum class StartOutcome {
    Running,      // the windows exist; the main window is to be shown
    NotInstalled, // the fatal message was shown
    Failed,       // an error before any window was reported
};

// Program start up to the creation of the windows, which the context's
// toolkit builds.
StartOutcome startProgram(Windows& windows, Context& context);

// The whole run: the start, the main window shown, the toolkit's event
// loop until it is asked to end. Returns the process's exit status.
int runProgram(Context& context, const std::function<void()>& eventLoop);

// The process's exit status for an outcome of the start.
int exitStatus(StartOutcome outcome);

} // namespace orvane
