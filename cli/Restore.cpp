// --history and --restore
#include "app/GameRunning.h"
#include "app/Restore.h"
#include "cli/Verbs.h"
#include "files/Utf8Paths.h"

namespace orvane {

int listHistory(const SettingsPlace& place, const Texts& texts, std::ostream& out, std::ostream& err)
{
    const ChangeHistory history(place.history);
    if (!history.isKept()) {
        err << texts("Orvane keeps no history here: LOCALAPPDATA is not set.") << '\n';
        return 1;
    }
    size_t number = 0;
    for (const HistoryEntry& entry : history.entries())
        out << ++number << '\t' << entry.time << '\t' << entry.label << '\t' << entry.changes << '\n';
    return 0;
}

int restoreSettings(const CommandLine& line, SettingsPlace place, DisplayModeSource& display, const Texts& texts,
                    std::ostream& out, std::ostream& err)
{
    HeadlessProgram program(std::move(place), display, line.passedOn, texts, err);
    Context& context = program.context();
    // Counted before the start, which may make an entry of its own.
    const std::vector<HistoryEntry> entries = context.history.entries();
    context.history.nameChange("--restore", true); // what the start makes joins the restore's entry
    if (!program.start())
        return 1;
    if (const std::optional<std::string> warning = runningGameWarning(context.place, texts))
        err << texts.formatted("Warning: %s", {*warning}) << '\n';
    context.history.nameChange("--restore", true);
    RestoreOutcome outcome;
    program.run([&](MainWindow&) {
        outcome = line.restoreFile ? restoreFile(context, pathOf(*line.restoreFile), "--restore")
                                   : restoreEntries(context, entries, *line.restoreCount, "--restore");
    });
    if (program.failed())
        return 1;
    out << outcome.changes;
    for (const std::string& changed : outcome.changedElsewhere)
        err << texts.formatted("Another program had changed %s since; it is restored all the same.", {changed}) << '\n';
    return 0;
}

} // namespace orvane
