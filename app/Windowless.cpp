#include "app/Windowless.h"

#include "app/ConfigurationChecks.h"
#include "app/Startup.h"
#include "app/ValueChanges.h"
#include "config/ConfigFile.h"
#include "context/ProgramInfo.h"
#include "platform/PlatformDisplayModes.h"
#include "settings/ApplySettings.h"
#include "files/Errors.h"
#include "settings/Schema.h"
#include "registry/OverlayStore.h"
#include "files/Utf8Paths.h"

namespace orvane {
namespace {

class NoWindows : public Toolkit {
public:
    void realise(Window&) override {}
    void quit() override {}
};

// An error as a script's log needs it: the window's words and the system's reason.
std::string withReason(std::string text, const std::string& reason)
{
    if (reason.empty())
        return text;
    if (text.ends_with('.'))
        text.pop_back();
    return withFullStop(text + ": " + reason);
}

// Every box but the question of Load Configuration goes to the error
// stream; all but the notice of values kept report a refusal or an error.
class WrittenBoxes : public MessageBoxes {
public:
    explicit WrittenBoxes(std::ostream& err) : err_(err) {}
    MessageAnswer show(const MessageBoxRequest& request) override
    {
        if (request.id == MessageId::SaveLoadedConfiguration)
            return MessageAnswer::Yes;
        err_ << withReason(request.text, request.detail) << '\n';
        failed = failed || request.id != MessageId::NewerValuesKept;
        return request.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
    bool failed = false;

private:
    std::ostream& err_;
};

class NamedFile : public FileDialogs {
public:
    std::optional<std::string> choose(const FileDialogRequest&) override { return name; }
    std::string name;
};

class NoStarts : public ProgramStarter {
public:
    bool startProgram(const std::string&, const std::string&, std::string& reason) override { return refuse(reason); }
    bool openTextFile(const std::string&, std::string& reason) override { return refuse(reason); }
    bool openLink(const std::string&, std::string& reason) override { return refuse(reason); }

private:
    static bool refuse(std::string& reason)
    {
        reason = "Orvane starts no program from the command line";
        return false;
    }
};

// The file to load, read and checked before Orvane starts: nothing is
// written for a file that is refused. What it would store that the game
// cannot use is told on err once it is loaded.
struct CheckedConfiguration {
    IniDocument file;
    std::vector<std::string> unusable;
};

std::optional<CheckedConfiguration> checkedConfiguration(const std::string& name, SettingsPlace& place,
                                                         DisplayModeSource& display, std::ostream& err)
{
    try {
        std::error_code missing;
        if (!std::filesystem::exists(pathOf(name), missing))
            throw cannotOpen(pathOf(name), "there is no such file");
        IniDocument file = readConfigurationFile(pathOf(name));
        if (!holdsConfiguration(file)) {
            err << "The file " << name << " is not an Orvane configuration: it has none of its sections.\n";
            return std::nullopt;
        }
        RegistryAccess registry(place.openStore());
        if (const auto refused = refusalOf(file, name, registry, display)) {
            err << *refused << '\n';
            return std::nullopt;
        }
        std::vector<std::string> unusable = unusableValues(file, name, registry, display);
        return CheckedConfiguration{std::move(file), std::move(unusable)};
    } catch (const FileError& error) {
        err << withReason(error.what(), error.reason()) << '\n';
    } catch (const std::exception& error) {
        err << withFullStop(error.what()) << '\n';
    }
    return std::nullopt;
}

} // namespace

int runWithoutWindow(const CommandLine& line, SettingsPlace place, DisplayModeSource& display, std::ostream& out,
                     std::ostream& err)
{
    std::optional<CheckedConfiguration> loaded;
    if (line.load && !(loaded = checkedConfiguration(*line.load, place, display, err)))
        return 1;
    if (!line.load) // an export changes nothing: what the start makes stays in memory
        place.openStore = [open = std::move(place.openStore)] { return std::make_unique<OverlayStore>(open()); };
    NoWindows toolkit;
    WrittenBoxes boxes(err);
    NamedFile files;
    NoStarts starter;
    Context context({toolkit, boxes, files, starter, display}, std::move(place), line.passedOn);
    Windows windows;
    if (startProgram(windows, context) != StartOutcome::Running || boxes.failed)
        return 1;
    MainWindow& window = *windows.main;
    if (line.load) {
        const ValueTexts before = valueTexts(*context.registry);
        files.name = *line.load;
        context.commands.run([&window] { window.loadConfigurationFile(); });
        if (boxes.failed)
            return 1;
        out << changesBetween(before, valueTexts(*context.registry));
        for (const std::string& unusable : loaded->unusable)
            err << unusable << '\n';
    }
    if (line.save == "-") {
        context.commands.run([&] {
            IniDocument document;
            storeConfiguration(document, context.settings, window.accounts().names());
            out << document.serialize();
        });
    } else if (line.save) {
        files.name = *line.save;
        context.commands.run([&window] { window.saveConfigurationFile(); });
    }
    return boxes.failed ? 1 : 0;
}

int answerWithoutWindow(const CommandLine& line, bool withWinePrefixes, const PlaceFinder& findPlace,
                        std::ostream& out, std::ostream& err)
{
    if (line.help) {
        out << usage(withWinePrefixes);
        return 0;
    }
    if (line.version) {
        out << ProductVersion << '\n';
        return 0;
    }
    std::optional<SettingsPlace> place = findPlace(err);
    if (!place)
        return 1;
    const std::unique_ptr<DisplayModeSource> display = displayModesInUse();
    return runWithoutWindow(line, std::move(*place), *display, out, err);
}

} // namespace orvane
