#include "settings/Conversions.h"
#include "settings/Conversions.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(toInteger, TakesAnOptionalSignAndDecimalDigits)
{
    EXPECT_EQ(toInteger("6112"), 6112);
    EXPECT_EQ(toInteger("+80"), 80);
    EXPECT_EQ(toInteger("-1"), -1);
    EXPECT_EQ(toInteger("00080"), 80);
    EXPECT_EQ(toInteger("2147483647"), INT32_MAX);
}

TEST(toInteger, RefusesEverythingElseNamingTheText)
{
    for (const char* text : {"", "a", "6a", " 80", "80 ", "+", "-", "+-1", "0x10", "2147483648", "1.5"}) {
        try {
            toInteger(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const ConversionError& error) {
            EXPECT_EQ(error.what(), "'" + std::string(text) + "' ist kein gültiger Integerwert");
        }
    }
}

} // namespace
} // namespace orvane
