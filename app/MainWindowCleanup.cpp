// Removing from the registry what Orvane itself created.
#include "app/MainWindow.h"
#include "settings/Schema.h"

namespace orvane {

void MainWindow::cleanUpRegistry()
{
    if (context_.services.boxes.show(
            {MessageId::CleanupQuestion, "Delete values and keys from the Registry?",
             "Do you really want to delete all values and keys from the Registry created by Orvane?",
             MessageIcon::Question, MessageButtons::YesNo}) != MessageAnswer::Yes)
        return;
    CMRegCleanUp.setEnabled(false);
    RegistryAccess& registry = *context_.registry;
    registry.OpenKey("Software\\", false);
    registry.DeleteKey("Orvane");
    registry.CloseKey();
    registry.OpenKey(schema::GameKey, false);
    registry.DeleteValue(schema::AllowLocalFiles);
    registry.CloseKey();
}

void MainWindow::removeAllowLocalFiles()
{
    RegistryAccess& registry = *context_.registry;
    registry.OpenKey(schema::GameKey, false);
    if (registry.ValueExists(schema::AllowLocalFiles))
        registry.DeleteValue(schema::AllowLocalFiles);
    registry.CloseKey();
}

} // namespace orvane
