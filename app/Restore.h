#pragma once
// Going back through the history of changes: the settings as they were
// before one of Orvane's changes, or as an entry file holds them. A restore
// is a change of its own, kept in the history under the name it is given.
#include "context/Context.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

struct RestoreOutcome {
    // One line per stored value that changed, as a load tells them
    // ("Video\gamma: 25 -> 40"), or "No changes.".
    std::string changes;
    // The values another program changed after Orvane's change, which the
    // restore put back all the same ("Video\gamma").
    std::vector<std::string> changedElsewhere;
};

// Every value and key that the newest count entries changed goes back to
// what it was before the oldest of them (count 1: the last change undone).
// Run inside a command. Throws OrvaneError when the history holds fewer.
RestoreOutcome restoreEntries(Context& context, size_t count, std::string_view label);
// The same over the entries as listed before (newest first).
RestoreOutcome restoreEntries(Context& context, const std::vector<HistoryEntry>& entries, size_t count,
                              std::string_view label);

// The values and keys of one entry file, as regedit imports them. Throws
// for a file that is not a registry file or names keys that are neither
// the game's nor Orvane's.
RestoreOutcome restoreFile(Context& context, const std::filesystem::path& file, std::string_view label);

} // namespace orvane
