#include "app/ErrorHandler.h"

#include "controls/Dispatch.h"

#include "app/ProgramInfo.h"
#include "app/ProgramState.h"
#include "platform/MessageBoxes.h"
#include "settings/Errors.h"

namespace orvane {

void showErrorBox(const std::exception& error)
{
    messageBoxes().show({ApplicationTitle, withFullStop(error.what()), MessageIcon::Error, MessageButtons::Ok});
}

// The registry object may be destroyed inside a command (by Shutdown); the
// command then has nothing left to write.
namespace {
RegistryAccess* commandRegistry = nullptr;
int commandDepth = 0;
}

void beginRegistryCommand()
{
    if (commandDepth++ == 0)
        commandRegistry = programState().registry.get();
    if (commandRegistry && commandRegistry == programState().registry.get())
        commandRegistry->beginCommand();
}

void endRegistryCommand()
{
    --commandDepth;
    RegistryAccess* registry = commandRegistry;
    if (commandDepth == 0)
        commandRegistry = nullptr;
    if (registry && registry == programState().registry.get())
        registry->endCommand();
}

void dispatchEvent(const std::function<void()>& handler)
{
    runGuarded(handler);
}

} // namespace orvane
