// --load FILE
#include "app/ConfigurationChecks.h"
#include "app/GameRunning.h"
#include "app/ValueChanges.h"
#include "cli/Verbs.h"
#include "config/ConfigFile.h"
#include "files/Errors.h"
#include "files/Utf8Paths.h"

namespace orvane {

std::optional<CheckedConfiguration> checkedConfiguration(const std::string& name, SettingsPlace& place,
                                                         DisplayModeSource& display, const Texts& texts,
                                                         std::ostream& err)
{
    try {
        std::error_code missing;
        if (!std::filesystem::exists(pathOf(name), missing))
            throw cannotOpen(pathOf(name), "there is no such file");
        IniDocument file = readConfigurationFile(pathOf(name));
        if (!holdsConfiguration(file)) {
            err << texts.formatted("The file %s is not an Orvane configuration: it has none of its sections.", {name})
                << '\n';
            return std::nullopt;
        }
        RegistryAccess registry(place.openStore());
        if (const auto refused = refusalOf(file, name, registry, display, texts)) {
            err << *refused << '\n';
            return std::nullopt;
        }
        return CheckedConfiguration{unusableValues(file, name, registry, display, texts)};
    } catch (const FileError& error) {
        err << withReason(messageOf(error, texts), error.reason()) << '\n';
    } catch (const std::exception& error) {
        err << withFullStop(messageOf(error, texts)) << '\n';
    }
    return std::nullopt;
}

bool loadConfiguration(HeadlessProgram& program, const std::string& name, const CheckedConfiguration& checked,
                       std::ostream& out, std::ostream& err)
{
    RegistryAccess& registry = *program.context().registry;
    ValueTexts before;
    ValueTexts after;
    const Texts& texts = program.context().texts;
    if (const std::optional<std::string> warning = runningGameWarning(program.context().place, texts))
        err << texts.formatted("Warning: %s", {*warning}) << '\n';
    program.chooseFile(name);
    program.context().history.nameChange("--load", true); // with what the start made: one entry
    // Read in the load's own turn: another Orvane's change is not told as this one's.
    program.run([&](MainWindow& window) {
        before = valueTexts(registry);
        window.loadConfigurationFile();
        after = valueTexts(registry);
    });
    if (program.failed())
        return false;
    out << changesBetween(before, after);
    for (const std::string& unusable : checked.unusable)
        err << unusable << '\n';
    return true;
}

} // namespace orvane
