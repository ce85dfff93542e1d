#include "cli/RunCommand.h"

#include "cli/Verbs.h"
#include "platform/PlatformDisplayModes.h"

namespace orvane {

int runCommand(const CommandLine& line, bool withWinePrefixes, const Texts& texts, const PlaceFinder& findPlace,
               std::ostream& out, std::ostream& err)
{
    if (line.help)
        return printHelp(withWinePrefixes, texts, out);
    if (line.version)
        return printVersion(out);
    std::optional<SettingsPlace> place = findPlace(err);
    if (!place)
        return 1;
    if (line.history)
        return listHistory(*place, texts, out, err);
    const std::unique_ptr<DisplayModeSource> display = displayModesInUse();
    if (line.restores())
        return restoreSettings(line, std::move(*place), *display, texts, out, err);
    return loadAndSave(line, std::move(*place), *display, texts, out, err);
}

int loadAndSave(const CommandLine& line, SettingsPlace place, DisplayModeSource& display, const Texts& texts,
                std::ostream& out, std::ostream& err)
{
    std::optional<CheckedConfiguration> loaded;
    if (line.load && !(loaded = checkedConfiguration(*line.load, place, display, texts, err)))
        return 1;
    if (!line.load)
        place = withoutLastingChanges(std::move(place));
    HeadlessProgram program(std::move(place), display, line.passedOn, texts, err);
    if (line.load)
        program.context().history.nameChange("--load", true); // what the start makes joins the load's entry
    if (!program.start())
        return 1;
    if (line.load && !loadConfiguration(program, *line.load, *loaded, out, err))
        return 1;
    if (line.save)
        saveConfiguration(program, *line.save, out);
    return program.failed() ? 1 : 0;
}

} // namespace orvane
