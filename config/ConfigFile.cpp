#include "config/ConfigFile.h"

#include "config/TextFiles.h"
#include "files/Errors.h"
#include "settings/Schema.h"
#include "files/Utf8Paths.h"

namespace orvane {
namespace {

constexpr int32_t SafeRefreshRate = 60;

void storeValue(IniDocument& doc, const schema::FileKey& place, const schema::Field& field,
                const SettingsSnapshot& record)
{
    const std::string_view section = place.section;
    const std::string_view key = place.key;
    std::visit(schema::Overloaded{
                   [&](schema::IntegerField number) { doc.writeInteger(section, key, record.*number); },
                   [&](schema::TextField text) { doc.writeString(section, key, record.*text); },
                   [&](schema::BoolField flag) { doc.writeBool(section, key, record.*flag); },
               },
               field);
}

// A missing key keeps the field as it is.
void loadValue(const IniDocument& doc, const schema::FileKey& place, const schema::Field& field,
               SettingsSnapshot& record)
{
    const std::string_view section = place.section;
    const std::string_view key = place.key;
    std::visit(schema::Overloaded{
                   [&](schema::IntegerField number) { record.*number = doc.readInteger(section, key, record.*number); },
                   [&](schema::TextField text) { record.*text = doc.readString(section, key, record.*text); },
                   [&](schema::BoolField flag) { record.*flag = doc.readBool(section, key, record.*flag); },
               },
               field);
}

// What a load corrects once a section is read: values the game cannot use.
void correctAfter(std::string_view section, SettingsSnapshot& record, DisplayModeSource& display)
{
    if (section == "Gameplay" && !schema::GamePorts.contains(record.netgameport))
        record.netgameport = schema::DefaultPort;
    if (section == "Video" &&
        topRefreshRate(display, record.reswidth, record.resheight, record.colordepth) < record.refreshrate)
        record.refreshrate = SafeRefreshRate;
}

// Files that hold binary data: Orvane neither reads nor rewrites them.
constexpr std::string_view NotAConfiguration =
    translatable("The file %s is not an Orvane configuration: it holds binary data. Orvane leaves it as it is; "
                 "choose another file");

constexpr std::string_view NotAProfile =
    translatable("The campaign profile %s is not in a form Orvane understands (it holds binary data), so Orvane "
                 "leaves it unchanged: the profile was not renamed");

IniDocument readIniText(const std::filesystem::path& file, std::string_view refusal)
{
    const std::optional<std::string> bytes = readTextFile(file);
    if (!bytes)
        return {};
    if (!looksLikeText(*bytes))
        throw FileError(MessageText{refusal, {displayPath(file)}});
    return IniDocument::parse(*bytes, file);
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
    for (const schema::StoredValue& value : schema::storedValues())
        if (const auto place = schema::fileKeyOf(value); place && doc.findSection(place->section))
            return true;
    return doc.findSection(AccountsSection) != nullptr;
}

void storeConfiguration(IniDocument& doc, const SettingsSnapshot& record, const std::vector<std::string>& accounts)
{
    for (const schema::StoredValue& value : schema::storedValues())
        if (const auto place = schema::fileKeyOf(value))
            storeValue(doc, *place, value.field, record);
    std::vector<std::pair<std::string, std::string>> numbered;
    numbered.reserve(accounts.size());
    for (size_t i = 0; i < accounts.size(); ++i)
        numbered.emplace_back(std::string(schema::BnetValuePrefix) + std::to_string(i), accounts[i]);
    doc.writeStrings(AccountsSection, numbered);
}

void loadConfiguration(const IniDocument& doc, SettingsSnapshot& record, DisplayModeSource& display)
{
    std::string_view section;
    for (const schema::StoredValue& value : schema::storedValues()) {
        const auto place = schema::fileKeyOf(value);
        if (!place)
            continue;
        if (place->section != section)
            correctAfter(section, record, display);
        section = place->section;
        loadValue(doc, *place, value.field, record);
    }
    correctAfter(section, record, display);
}

bool givesValue(const IniDocument& doc, const schema::StoredValue& value)
{
    const auto place = schema::fileKeyOf(value);
    if (!place)
        return false;
    // No value read from a line holds a line break: the fallback stands for none.
    const auto textGiven = [&] { return doc.readString(place->section, place->key, "\n") != "\n"; };
    return std::visit(schema::Overloaded{
                          [&](schema::IntegerField) { return doc.integerAt(place->section, place->key).has_value(); },
                          [&](schema::TextField) { return textGiven(); },
                          [&](schema::BoolField) { return doc.integerAt(place->section, place->key).has_value(); },
                      },
                      value.field);
}

std::vector<std::string> accountNamesOf(const IniDocument& doc)
{
    return doc.valuesOfLines(AccountsSection);
}

} // namespace orvane
