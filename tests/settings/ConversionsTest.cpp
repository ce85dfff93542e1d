#include "settings/Conversions.h"
#include "settings/Errors.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(StrToInt, TakesAnOptionalSignAndDecimalDigits)
{
    EXPECT_EQ(StrToInt("6112"), 6112);
    EXPECT_EQ(StrToInt("+80"), 80);
    EXPECT_EQ(StrToInt("-1"), -1);
    EXPECT_EQ(StrToInt("00080"), 80);
    EXPECT_EQ(StrToInt("2147483647"), INT32_MAX);
}

TEST(StrToInt, RefusesEverythingElseNamingTheText)
{
    for (const char* text : {"", "a", "6a", " 80", "80 ", "+", "-", "+-1", "0x10", "2147483648", "1.5"}) {
        try {
            StrToInt(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.what(), "'" + std::string(text) + "' ist kein gültiger Integerwert");
        }
    }
}

} // namespace
} // namespace orvane
