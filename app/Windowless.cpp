#include "app/Windowless.h"

#include "app/Startup.h"
#include "app/ValueChanges.h"
#include "config/ConfigFile.h"
#include "context/ProgramInfo.h"
#include "platform/PlatformDisplayModes.h"
#include "settings/ApplySettings.h"
#include "settings/Errors.h"
#include "settings/Schema.h"
#include "settings/Utf8Paths.h"


namespace orvane {
namespace {

class NoWindows : public Toolkit {
public:
    void realise(Window&) override {}
    void quit() override {}
};

// Every box but the question of Load Configuration reports a refusal or
// an error: its text goes to the error stream.
class WrittenBoxes : public MessageBoxes {
public:
    explicit WrittenBoxes(std::ostream& err) : err_(err) {}
    MessageAnswer show(const MessageBoxRequest& request) override
    {
        if (request.id == MessageId::SaveLoadedConfiguration)
            return MessageAnswer::Yes;
        err_ << request.text << '\n';
        failed = true;
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

// A value the window would quietly correct on loading is refused here,
// before anything is written. The rates are checked against the display's
// modes where there is a display; without one the window's rule stands.
std::optional<std::string> refusal(const IniDocument& file, const std::string& name, RegistryAccess& registry,
                                   DisplayModeSource& display)
{
    const bool givesPort = file.readString("Gameplay", "netgameport", "\n") != "\n";
    const int32_t port = file.readInteger("Gameplay", "netgameport", 0);
    if (givesPort && !schema::GamePorts.contains(port))
        return portRefusal() + " " + name + " sets it to " + std::to_string(port) +
               ": change \"netgameport\" there and load it again!";
    AskedDisplayModes offered(display.modes());
    if (offered.modes().empty() || !registry.OpenKey(schema::VideoKey, false))
        return std::nullopt;
    const auto video = [&](const char* key) {
        return file.readInteger("Video", key, registry.ValueExists(key) ? registry.ReadInteger(key) : 0);
    };
    const int32_t width = video("reswidth");
    const int32_t height = video("resheight");
    const int32_t depth = video("colordepth");
    const int32_t rate = video("refreshrate");
    registry.CloseKey();
    if (topRefreshRate(offered, width, height, depth) >= rate)
        return std::nullopt;
    return "The display offers no refresh rate of " + std::to_string(rate) + " Hz for " + std::to_string(width) + "x" +
           std::to_string(height) + " at " + std::to_string(depth) + " Bit! Change \"refreshrate\" in " + name +
           " and load it again!";
}

// The file to load, read and checked before Orvane starts: nothing is
// written for a file that is refused.
std::optional<IniDocument> checkedConfiguration(const std::string& name, SettingsPlace& place,
                                                DisplayModeSource& display, std::ostream& err)
{
    try {
        std::error_code missing;
        if (!std::filesystem::is_regular_file(pathOf(name), missing))
            throw FileError(formatMessage(messages::FileOpenFailed, name));
        const IniDocument file = readConfigurationFile(pathOf(name));
        if (!holdsConfiguration(file)) {
            err << "The file " << name << " is not an Orvane configuration: it has none of its sections.\n";
            return std::nullopt;
        }
        RegistryAccess registry(place.openStore());
        if (const auto refused = refusal(file, name, registry, display)) {
            err << *refused << '\n';
            return std::nullopt;
        }
        return file;
    } catch (const std::exception& error) {
        err << withFullStop(error.what()) << '\n';
        return std::nullopt;
    }
}

} // namespace

int runWithoutWindow(const CommandLine& line, SettingsPlace place, DisplayModeSource& display, std::ostream& out,
                     std::ostream& err)
{
    if (line.load && !checkedConfiguration(*line.load, place, display, err))
        return 1;
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
    }
    if (line.save == "-") {
        IniDocument document;
        storeConfiguration(document, context.settings, window.accounts().names());
        out << document.serialize();
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
