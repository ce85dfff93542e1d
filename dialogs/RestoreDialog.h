#pragma once
#include "dialogs/Dialog.h"
#include "registry/ChangeHistory.h"

#include <functional>
#include <vector>

namespace orvane {

// Lists the changes Orvane kept, newest first, and goes back to the
// settings as they were before the one the player picks.
class RestoreDialog : public Dialog {
public:
    // restore goes back before the newest count of entries, as listed.
    RestoreDialog(Context& context,
                  std::function<void(const std::vector<HistoryEntry>& entries, size_t count)> restore);

    void open(Window& mainWindow);

    // The user's events, which the layout names.
    void confirm();
    void cancel();

private:
    std::function<void(const std::vector<HistoryEntry>&, size_t)> restore_;
    std::vector<HistoryEntry> entries_; // as listed when opened
    ListControl& HistoryList;
    ButtonControl& HistoryRestore;
};

const WindowLayout& restoreDialogLayout();

// "2026-12-09 23:41:07   Apply Video   (3 values)"
std::string entryText(const HistoryEntry& entry, const Texts& texts);

} // namespace orvane
