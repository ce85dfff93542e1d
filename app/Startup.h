#pragma once
// The program entry: the installation check, the six windows, the event loop.
#include "app/TMainForm.h"
#include "controls/Toolkit.h"
#include "dialogs/Dialog.h"
#include "dialogs/addbnet.h"
#include "dialogs/choosedir.h"
#include "dialogs/info.h"
#include "dialogs/opt.h"
#include "dialogs/rencp.h"

#include <functional>
#include <memory>

namespace orvane {

// Each window once, from start to exit, in the order of creation. Members
// go in reverse order: the dialogs first, then the main window, whose
// destruction runs Shutdown.
struct Windows {
    std::unique_ptr<TMainForm> MainForm;
    std::unique_ptr<TProginfo> Proginfo;
    std::unique_ptr<TCDForm> CDForm;
    std::unique_ptr<TRenCPForm> RenCPForm;
    std::unique_ptr<TAddBnetForm> AddBnetForm;
    std::unique_ptr<TOptForm> OptForm;
};

enum class StartOutcome {
    Running,      // the windows exist; the main window is to be shown
    NotInstalled, // the fatal message was shown
    Failed,       // an error before any window was reported
};

// Program start up to the creation of the windows, with the program-wide
// variables as they are (arguments set by the caller). The toolkit builds
// the windows and stays the program's until it ends.
StartOutcome startProgram(Windows& windows, Toolkit& toolkit);

// The whole run: the start, the main window shown, the toolkit's event
// loop until it is asked to end. Returns the process's exit status.
int runProgram(Toolkit& toolkit, const std::function<void()>& eventLoop);

// The process's exit status for an outcome of the start.
int exitStatus(StartOutcome outcome);

} // namespace orvane
