#include "config/ConfigFile.h"

#include "config/TextFiles.h"
#include "settings/Errors.h"
#include "settings/Utf8Paths.h"

#include "settings/Schema.h"
#include "settings/ApplySettings.h"
#include "settings/DisplayModes.h"

namespace orvane {
namespace {

using schema::IntegerField;
using schema::TextField;

constexpr int32_t DefaultPort = 6112;
constexpr int32_t SafeRefreshRate = 60;

// The file names the sound value "unit" "units".
std::string_view fileKeyOf(std::string_view valueName)
{
    return valueName == "unit" ? "units" : valueName;
}

struct TextKey {
    std::string_view section;
    std::string_view key;
    TextField field;
};

constexpr TextKey FolderKeys[] = {
    {"DelOpt0", "savpath", &SettingsSnapshot::savpath},
    {"DelOpt1", "reppath", &SettingsSnapshot::reppath},
    {"DelOpt2", "logpath", &SettingsSnapshot::logpath},
    {"DelOpt3", "errpath", &SettingsSnapshot::errpath},
};

void storeIntegers(IniDocument& doc, std::string_view section, const schema::SettingsKey& key,
                   const SettingsSnapshot& record)
{
    for (const schema::SettingValue& value : key.values)
        doc.writeInteger(section, fileKeyOf(value.name), record.*std::get<IntegerField>(value.field));
}

void loadIntegers(const IniDocument& doc, std::string_view section, const schema::SettingsKey& key,
                  SettingsSnapshot& record)
{
    for (const schema::SettingValue& value : key.values) {
        int32_t& field = record.*std::get<IntegerField>(value.field);
        field = doc.readInteger(section, fileKeyOf(value.name), field);
    }
}

// Files that hold binary data: Orvane neither reads nor rewrites them.
constexpr std::string_view NotAConfiguration =
    "The file %s is not an Orvane configuration: it holds binary data. Orvane leaves it as it is; choose "
    "another file";

constexpr std::string_view NotAProfile =
    "The campaign profile %s is not in a form Orvane understands (it holds binary data), so Orvane leaves it "
    "unchanged: the profile was not renamed";

IniDocument readIniText(const std::filesystem::path& file, std::string_view refusal)
{
    const std::optional<std::string> bytes = readTextFile(file);
    if (!bytes)
        return {};
    if (!looksLikeText(*bytes))
        throw EFileError(formatMessage(refusal, displayPath(file)));
    return IniDocument::parse(*bytes);
}

} // namespace

IniDocument readConfigurationFile(const std::filesystem::path& file)
{
    return readIniText(file, NotAConfiguration);
}

IniDocument readProfileFile(const std::filesystem::path& file)
{
    return readIniText(file, NotAProfile);
}

bool holdsConfiguration(const IniDocument& doc)
{
    for (std::string_view section : {"Gameplay", "Video", "Sound", "DelOpt0", "DelOpt1", "DelOpt2", "DelOpt3", "Misc",
                                     "String"})
        if (doc.findSection(section))
            return true;
    return doc.findSection(AccountsSection) != nullptr;
}

void storeConfiguration(IniDocument& doc, const SettingsSnapshot& record, const std::string& startParams,
                        const std::vector<std::string>& accounts)
{
    storeIntegers(doc, "Gameplay", schema::GameplaySettings, record);
    storeIntegers(doc, "Video", schema::VideoSettings, record);
    doc.writeBool("Video", "opengl", record.opengl);
    storeIntegers(doc, "Sound", schema::SoundSettings, record);
    for (const TextKey& folder : FolderKeys)
        doc.writeString(folder.section, folder.key, record.*folder.field);
    doc.writeString("Misc", "campaignprofile", record.campaignprofile);
    doc.writeInteger("Misc", "seenintromovie", record.seenintromovie);
    doc.writeString("String", "userbnet", record.userbnet);
    doc.writeString("String", "userlocal", record.userlocal);
    doc.writeInteger("Misc", schema::AllowLocalFiles, record.AllowLocalFiles);
    doc.writeString("Misc", schema::StartParams, startParams);
    for (size_t i = 0; i < accounts.size(); ++i)
        doc.writeString(AccountsSection, std::string(schema::BnetValuePrefix) + std::to_string(i), accounts[i]);
}

void loadConfiguration(const IniDocument& doc, SettingsSnapshot& record, std::string& startParams,
                       DisplayModeSource& display)
{
    loadIntegers(doc, "Gameplay", schema::GameplaySettings, record);
    if (record.netgameport < LowestPort || record.netgameport > HighestPort)
        record.netgameport = DefaultPort;
    loadIntegers(doc, "Video", schema::VideoSettings, record);
    record.opengl = doc.readBool("Video", "opengl", record.opengl);
    if (MaxRefreshRate(display, record.reswidth, record.resheight, record.colordepth) < record.refreshrate)
        record.refreshrate = SafeRefreshRate;
    loadIntegers(doc, "Sound", schema::SoundSettings, record);
    for (const TextKey& folder : FolderKeys)
        record.*folder.field = doc.readString(folder.section, folder.key, record.*folder.field);
    record.campaignprofile = doc.readString("Misc", "campaignprofile", record.campaignprofile);
    record.seenintromovie = doc.readInteger("Misc", "seenintromovie", record.seenintromovie);
    record.userbnet = doc.readString("String", "userbnet", record.userbnet);
    record.userlocal = doc.readString("String", "userlocal", record.userlocal);
    record.AllowLocalFiles = doc.readInteger("Misc", schema::AllowLocalFiles, record.AllowLocalFiles);
    startParams = doc.readString("Misc", schema::StartParams, startParams);
}

std::vector<std::string> accountNamesOf(const IniDocument& doc)
{
    std::vector<std::string> names;
    if (const IniDocument::Section* accounts = doc.findSection(AccountsSection))
        for (const std::string& line : accounts->lines)
            names.push_back(doc.readString(AccountsSection, lineKey(line).value_or(""), ""));
    return names;
}

} // namespace orvane
