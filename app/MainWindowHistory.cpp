// Going back to earlier settings from the window: the last change undone,
// or every change since one the player picks.
#include "app/MainWindow.h"
#include "app/Restore.h"
#include "dialogs/RestoreDialog.h"

namespace orvane {

void MainWindow::undoLastChange()
{
    const std::vector<HistoryEntry> entries = context_.history.entries();
    if (entries.empty()) {
        context_.services.boxes.show({MessageId::NothingToUndo, context_.texts("Nothing to undo"),
                                      context_.texts("Orvane has not changed any settings that it could put back."),
                                      MessageIcon::Information, MessageButtons::Ok});
        return;
    }
    restoreBefore(entries, 1);
}

void MainWindow::openRestoreDialog()
{
    window_.setEnabled(false);
    dialogs_->restore.open(window_);
}

void MainWindow::restoreBefore(const std::vector<HistoryEntry>& entries, size_t count)
{
    const HistoryEntry& oldest = entries.at(count - 1);
    const RestoreOutcome outcome =
        restoreEntries(context_, entries, count,
                       count == 1 ? translatable("Undo Last Change") : translatable("Restore Earlier Settings"));
    reloadSettings();
    // The entry keeps its English name in its file; the player reads it translated.
    setPanelText(1, context_.texts.formatted("Back to before %s", {context_.texts(oldest.label)}));
    std::string hint =
        context_.texts.formatted("The settings as they were before %s:", {entryText(oldest, context_.texts)}) + "\n" +
        outcome.changes;
    if (!outcome.changedElsewhere.empty()) {
        hint += '\n';
        hint += context_.texts("Changed by another program since, and put back all the same:");
        for (const std::string& place : outcome.changedElsewhere)
            hint += "\n" + place;
    }
    StatusBar.setPanelHint(1, hint);
}

} // namespace orvane
