// The schema must name every value once: two rows for one field, one
// registry value or one key of a configuration file would make loading,
// applying or saving skip or overwrite a setting.
#include "settings/Schema.h"

#include <gtest/gtest.h>

#include <set>

namespace orvane {
namespace {

TEST(Schema, NoFieldRegistryValueOrFileKeyIsNamedTwice)
{
    std::set<std::string> fields, values, fileKeys;
    for (const schema::StoredValue& row : schema::storedValues()) {
        EXPECT_EQ(&schema::rowOf(row.field), &row) << row.name << " shares its field";
        for (const std::string& name : schema::writtenNames(row))
            EXPECT_TRUE(values.insert(std::string(row.key) + "\\" + name).second) << name << " twice in " << row.key;
        if (const auto place = schema::fileKeyOf(row)) {
            EXPECT_TRUE(fileKeys.insert(std::string(place->section) + "/" + std::string(place->key)).second)
                << place->key << " twice in the file's section " << place->section;
        }
    }
}

// A default of another kind would stop the demo prefix and the first load.
TEST(Schema, EveryDefaultIsOfItsFieldsKind)
{
    for (const schema::StoredValue& row : schema::storedValues())
        EXPECT_EQ(row.initial.index(), row.field.index()) << row.name;
}

} // namespace
} // namespace orvane
