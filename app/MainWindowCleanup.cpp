// Removing from the registry what Orvane itself created.
#include "app/MainWindow.h"
#include "settings/Schema.h"

namespace orvane {

void MainWindow::cleanUpRegistry()
{
    if (context_.services.boxes.show(
            {MessageId::CleanupQuestion, context_.texts("Delete values and keys from the Registry?"),
             context_.texts("Do you really want to delete all values and keys from the Registry created by Orvane?"),
             MessageIcon::Question, MessageButtons::YesNo}) != MessageAnswer::Yes)
        return;
    context_.history.nameChange(translatable("Registry Cleanup"));
    CMRegCleanUp.setEnabled(false);
    RegistryAccess& registry = *context_.registry;
    registry.openKey("Software\\").deleteSubkey("Orvane");
    registry.openKey(schema::GameKey).deleteValue(schema::AllowLocalFiles);
}

void MainWindow::removeAllowLocalFiles()
{
    context_.history.nameChange(translatable("Remove Allow Local Files"));
    RegistryKey game = context_.registry->openKey(schema::GameKey);
    if (game.hasValue(schema::AllowLocalFiles))
        game.deleteValue(schema::AllowLocalFiles);
}

} // namespace orvane
