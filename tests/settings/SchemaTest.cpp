// The schema's tables must name every field of the record exactly once, or
// loading and applying would silently skip or double a setting.
#include "settings/Schema.h"

#include <gtest/gtest.h>

#include <set>

namespace orvane {
namespace {

TEST(Schema, EverySettingFieldIsMirroredByExactlyOneValue)
{
    SettingsSnapshot record;
    int next = 1;
    int integers = 0;
    std::set<std::string> texts;
    for (const schema::SettingsKey& key : schema::SettingsKeys) {
        std::set<std::string> names;
        for (const schema::SettingValue& value : key.values) {
            EXPECT_TRUE(names.insert(std::string(value.name)).second) << value.name << " twice in " << key.path;
            if (const auto* field = std::get_if<schema::IntegerField>(&value.field)) {
                EXPECT_EQ(record.*(*field), 0) << value.name << " shares its field";
                record.*(*field) = next++;
                ++integers;
            } else {
                const auto text = std::get<schema::TextField>(value.field);
                EXPECT_TRUE((record.*text).empty()) << value.name << " shares its field";
                record.*text = value.name;
            }
        }
    }
    for (const schema::FolderKey& key : schema::FolderKeys) {
        EXPECT_TRUE((record.*key.field).empty());
        record.*key.field = key.path;
    }
    // All integers but "Allow Local Files", which lives in the game key itself.
    EXPECT_EQ(integers, 34);
    EXPECT_EQ(record.AllowLocalFiles, 0);
    EXPECT_EQ(record.userbnet, "userbnet");
    EXPECT_EQ(record.campaignprofile, "campaignprofile");
    EXPECT_TRUE(record.errpath.ends_with("DelOpt3"));
}

TEST(Schema, OnlyNosoundwarnIsWrittenButNeverLoaded)
{
    std::vector<std::string_view> notLoaded;
    for (const schema::SettingsKey& key : schema::SettingsKeys)
        for (const schema::SettingValue& value : key.values)
            if (!value.readByLoad)
                notLoaded.push_back(value.name);
    EXPECT_EQ(notLoaded, std::vector<std::string_view>{"nosoundwarn"});
}

} // namespace
} // namespace orvane
