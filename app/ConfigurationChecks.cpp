#include "app/ConfigurationChecks.h"

#include "app/Mappings.h"
#include "app/SettingBindings.h"
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

std::string modeText(const ScreenMode& mode, const Texts& texts)
{
    // Translators: a screen mode, "1024x768 at 32 Bit".
    return texts.formatted("%sx%s at %s Bit",
                           {std::to_string(mode.width), std::to_string(mode.height), std::to_string(mode.depth)});
}

// "a, b or c"
std::string choices(const std::vector<std::string>& listed, const Texts& texts)
{
    std::string text = listed.empty() ? std::string() : listed.front();
    for (size_t i = 1; i < listed.size(); ++i) {
        if (i + 1 < listed.size()) {
            text = texts.formatted("%s, %s", {text, listed[i]});
        } else {
            // Translators: joins the last two choices of a list, "0, 1 or 2".
            text = texts.formatted("%s or %s", {text, listed[i]});
        }
    }
    return text;
}

// What the game takes where the control cannot show the value; nullopt
// where it can.
std::optional<std::string> takenInstead(const SettingBinding& row, int32_t value, const ScreenMode& mode,
                                        DisplayModeSource& display, const Texts& texts)
{
    const auto unless = [](bool shown, std::string taken) {
        return shown ? std::nullopt : std::optional<std::string>(std::move(taken));
    };
    switch (row.shown) {
    case Shown::Check:
    case Shown::InvertedCheck: return unless(checkedFor(value).has_value(), choices({"0", "1"}, texts));
    case Shown::Slider:
        // Translators: a range of values, "1 to 100".
        return unless(sliderPositionFor(value) == value, texts.formatted("%s to %s", {"1", "100"}));
    case Shown::Level: return unless(levelIndexFor(value).has_value(), choices({"0", "1", "2"}, texts));
    case Shown::Depth: return unless(depthIndexFor(value).has_value(), choices({"16", "32"}, texts));
    case Shown::Resolution:
        return unless(
            resolutionIndexFor(mode.width, mode.height).has_value(),
            texts.formatted("one of the screen sizes %s, with its height", {choices(resolutionTexts(), texts)}));
    case Shown::RefreshRate: {
        const std::vector<int32_t> offered = refreshRatesFor(display, mode.width, mode.height, mode.depth);
        if (offered.empty())
            return unless(value > 0, texts("a rate above 0 Hz"));
        return unless(std::find(offered.begin(), offered.end(), value) != offered.end(),
                      texts.formatted("a rate the display offers for %s: %s",
                                      {modeText(mode, texts), choices(rateTexts(offered), texts)}));
    }
    default: return std::nullopt;
    }
}

} // namespace

std::optional<std::string> refusalOf(const IniDocument& file, const std::string& name, RegistryAccess& registry,
                                     DisplayModeSource& display, const Texts& texts)
{
    if (const auto port = file.integerAt("Gameplay", "netgameport"); port && !schema::GamePorts.contains(*port))
        return texts.formatted("Gameport must be a value between %s and %s! %s sets it to %s: change "
                               "\"netgameport\" there and load it again!",
                               {std::to_string(schema::GamePorts.lowest), std::to_string(schema::GamePorts.highest),
                                name, std::to_string(*port)});
    AskedDisplayModes offered(display.modes());
    if (offered.modes().empty())
        return std::nullopt;
    const ScreenMode mode = loadedMode(file, registry);
    const int32_t top = topRefreshRate(offered, mode.width, mode.height, mode.depth);
    if (top >= mode.rate)
        return std::nullopt;
    if (top == 0)
        return texts.formatted("The display offers no mode %s! Change \"reswidth\", \"resheight\" or "
                               "\"colordepth\" in %s and load it again!",
                               {modeText(mode, texts), name});
    return texts.formatted("The display offers no refresh rate of %s Hz for %s! Change \"refreshrate\" in %s and "
                           "load it again!",
                           {std::to_string(mode.rate), modeText(mode, texts), name});
}

std::vector<std::string> unusableValues(const IniDocument& file, const std::string& name, RegistryAccess& registry,
                                        DisplayModeSource& display, const Texts& texts)
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
            lines.push_back(texts.formatted("%s is no number, so the stored value stays.", {given}));
        else if (const auto instead = takenInstead(row, *number, mode, offered, texts))
            lines.push_back(texts.formatted("%s is stored, but the game takes %s.", {given, *instead}));
    }
    return lines;
}

} // namespace orvane
