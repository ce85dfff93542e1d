#include "registry/RegistryErrors.h"
#include "settings/Conversions.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(ErrorMessages, FullStopOnlyAfterCharactersSortingAfterDot)
{
    EXPECT_EQ(withFullStop("Fehler beim Holen der Daten für 'x'"), "Fehler beim Holen der Daten für 'x'");
    EXPECT_EQ(withFullStop("Datei a.ini kann nicht geöffnet werden"), "Datei a.ini kann nicht geöffnet werden.");
    EXPECT_EQ(withFullStop("ends in a dot."), "ends in a dot.");
    EXPECT_EQ(withFullStop("ends in a comma,"), "ends in a comma,");
    EXPECT_EQ(withFullStop("ends in a digit 1"), "ends in a digit 1.");
    EXPECT_EQ(withFullStop("endet auf ü"), "endet auf ü.");
    EXPECT_EQ(withFullStop(""), "");
}

TEST(ErrorMessages, ValuesTakeThePlacesOfTheMarkersInTurn)
{
    EXPECT_EQ(formatMessage({messages::InvalidType, {"InstallPath"}}), "Ungültiger Datentyp für 'InstallPath'");
    EXPECT_EQ(formatMessage({messages::NotAnInteger, {"6a"}}), "'6a' ist kein gültiger Integerwert");
    // A value that looks like a marker is put in as it is.
    EXPECT_EQ(formatMessage({messages::WriteFailed, {"%s"}}), "Fehler beim Setzen der Daten für '%s'");
    EXPECT_EQ(formatMessage({"%s of %s: 100%", {"2", "3"}}), "2 of 3: 100%");
    EXPECT_EQ(formatMessage({"%s and %s", {"one"}}), "one and %s");
    const OrvaneError error(MessageText{messages::ReadFailed, {"Gamma"}});
    EXPECT_STREQ(error.what(), "Fehler beim Holen der Daten für 'Gamma'");
    EXPECT_EQ(error.format(), messages::ReadFailed);
    EXPECT_EQ(error.values(), std::vector<std::string>{"Gamma"});
}

} // namespace
} // namespace orvane
