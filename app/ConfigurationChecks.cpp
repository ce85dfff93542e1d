#include "app/ConfigurationChecks.h"

#include "app/Mappings.h"
#include "app/SettingBindings.h"
#include "settings/ApplySettings.h"
#include "settings/Schema.h"

#include <algorithm>

namespace orvane {
namespace {

// The screen mode the load leaves: each value from the file, or else the registry's.
struct ScreenMode {
    int32_t width = 0;
    int32_t height = 0;
    int32_t depth = 0;
    int32_t rate = 0;
};

ScreenMode loadedMode(const IniDocument& file, RegistryAccess& registry)
{
    const RegistryKey stored = registry.openKey(schema::VideoKey);
    const auto video = [&](const char* name) {
        return file.readInteger("Video", name, stored.hasValue(name) ? stored.readInteger(name) : 0);
    };
    return ScreenMode{video("reswidth"), video("resheight"), video("colordepth"), video("refreshrate")};
}

std::string modeText(const ScreenMode& mode)
{
    return std::to_string(mode.width) + "x" + std::to_string(mode.height) + " at " + std::to_string(mode.depth) +
           " Bit";
}

std::string joined(const std::vector<std::string>& texts, const std::string& last)
{
    std::string text;
    for (size_t i = 0; i < texts.size(); ++i)
        text += (i == 0 ? "" : i + 1 == texts.size() ? last : ", ") + texts[i];
    return text;
}

// What the game takes where the control cannot show the value; nullopt
// where it can.
std::optional<std::string> takenInstead(const SettingBinding& row, int32_t value, const ScreenMode& mode,
                                        DisplayModeSource& display)
{
    switch (row.shown) {
    case Shown::Check:
    case Shown::InvertedCheck: return checkedFor(value) ? std::nullopt : std::optional<std::string>("0 or 1");
    case Shown::Slider:
        return sliderPositionFor(value) == value ? std::nullopt : std::optional<std::string>("1 to 100");
    case Shown::Level: return levelIndexFor(value) ? std::nullopt : std::optional<std::string>("0, 1 or 2");
    case Shown::Depth: return depthIndexFor(value) ? std::nullopt : std::optional<std::string>("16 or 32");
    case Shown::Resolution:
        if (resolutionIndexFor(mode.width, mode.height))
            return std::nullopt;
        return "one of the screen sizes " + joined(resolutionTexts(), " or ") + ", with its height";
    case Shown::RefreshRate: {
        const std::vector<int32_t> offered = refreshRatesFor(display, mode.width, mode.height, mode.depth);
        if (offered.empty())
            return value > 0 ? std::nullopt : std::optional<std::string>("a rate above 0 Hz");
        if (std::find(offered.begin(), offered.end(), value) != offered.end())
            return std::nullopt;
        return "a rate the display offers for " + modeText(mode) + ": " + joined(rateTexts(offered), " or ");
    }
    default: return std::nullopt;
    }
}

} // namespace

std::optional<std::string> refusalOf(const IniDocument& file, const std::string& name, RegistryAccess& registry,
                                     DisplayModeSource& display)
{
    if (const auto port = file.integerAt("Gameplay", "netgameport"); port && !schema::GamePorts.contains(*port))
        return portRefusal() + " " + name + " sets it to " + std::to_string(*port) +
               ": change \"netgameport\" there and load it again!";
    AskedDisplayModes offered(display.modes());
    if (offered.modes().empty())
        return std::nullopt;
    const ScreenMode mode = loadedMode(file, registry);
    const int32_t top = topRefreshRate(offered, mode.width, mode.height, mode.depth);
    if (top >= mode.rate)
        return std::nullopt;
    if (top == 0)
        return "The display offers no mode " + modeText(mode) + "! Change \"reswidth\", \"resheight\" or " +
               "\"colordepth\" in " + name + " and load it again!";
    return "The display offers no refresh rate of " + std::to_string(mode.rate) + " Hz for " + modeText(mode) +
           "! Change \"refreshrate\" in " + name + " and load it again!";
}

std::vector<std::string> unusableValues(const IniDocument& file, const std::string& name, RegistryAccess& registry,
                                        DisplayModeSource& display)
{
    AskedDisplayModes offered(display.modes());
    const ScreenMode mode = loadedMode(file, registry);
    std::vector<std::string> lines;
    for (const SettingBinding& row : settingBindings()) {
        const schema::StoredValue& value = schema::rowOf(row.field);
        const auto place = schema::fileKeyOf(value);
        if (!place || !std::holds_alternative<schema::IntegerField>(value.field))
            continue;
        const std::string text = file.readString(place->section, place->key, "\n");
        if (text == "\n")
            continue; // not in the file
        const std::string given =
            name + ": [" + std::string(place->section) + "] " + std::string(place->key) + "=" + text;
        const std::optional<int32_t> number = file.integerAt(place->section, place->key);
        if (!number)
            lines.push_back(given + " is no number, so the stored value stays.");
        else if (const auto instead = takenInstead(row, *number, mode, offered))
            lines.push_back(given + " is stored, but the game takes " + *instead + ".");
    }
    return lines;
}

} // namespace orvane
