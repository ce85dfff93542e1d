#include "dialogs/RestoreDialog.h"

namespace orvane {

// clang-format off
const WindowLayout& restoreDialogLayout()
{
    using enum ControlKind;
    static const WindowLayout layout{
        .name = "RestoreForm",
        .caption = "Restore Earlier Settings",
        .clientWidth = 440,
        .clientHeight = 252,
        .controls = {
            {.kind = Label, .name = "HistoryLabel", .caption = "Go back to the settings as they were before this change:", .left = 8, .top = 8, .height = 13},
            {.kind = ListBox, .name = "HistoryList", .left = 8, .top = 28, .width = 424, .height = 180, .tab = 0,
             .hint = "The changes Orvane made, newest first. Every value Orvane changed since the one you pick goes back to what it was before it.",
             .handler = on<&RestoreDialog::confirm>},
            {.kind = Button, .name = "HistoryRestore", .caption = "Restore", .left = 276, .top = 219, .width = 75, .height = 25, .tab = 1, .handler = on<&RestoreDialog::confirm>},
            {.kind = Button, .name = "HistoryCancel", .caption = "Cancel", .left = 357, .top = 219, .width = 75, .height = 25, .tab = 2, .handler = on<&RestoreDialog::cancel>},
        },
    };
    return layout;
}
// clang-format on

std::string entryText(const HistoryEntry& entry, const Texts& texts)
{
    std::string time = entry.time;
    if (const size_t at = time.find('T'); at != std::string::npos)
        time[at] = ' ';
    const std::string values =
        texts.formattedPlural("%s value", "%s values", entry.changes, {std::to_string(entry.changes)});
    // The entry keeps its English name in its file; the player reads it translated.
    return time + "   " + texts(entry.label) + "   (" + values + ")";
}

RestoreDialog::RestoreDialog(Context& context,
                             std::function<void(const std::vector<HistoryEntry>& entries, size_t count)> restore)
    : Dialog(restoreDialogLayout(), context),
      restore_(std::move(restore)),
      HistoryList(window_.list("HistoryList")),
      HistoryRestore(window_.button("HistoryRestore"))
{
    window_.bindHandlers(*this);
}

void RestoreDialog::open(Window& mainWindow)
{
    entries_ = context_.history.entries();
    std::vector<std::string> items;
    for (const HistoryEntry& entry : entries_)
        items.push_back(entryText(entry, context_.texts));
    HistoryList.clear();
    HistoryList.addItems(items);
    HistoryList.select(entries_.empty() ? ListControl::None : 0);
    HistoryRestore.setEnabled(!entries_.empty());
    Dialog::open(mainWindow);
    HistoryList.setFocus();
}

void RestoreDialog::confirm()
{
    const int picked = HistoryList.selected();
    if (picked == ListControl::None)
        return;
    close();
    restore_(entries_, static_cast<size_t>(picked) + 1);
}

void RestoreDialog::cancel()
{
    close();
}

} // namespace orvane
