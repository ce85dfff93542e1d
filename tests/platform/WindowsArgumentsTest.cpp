// How a parameter string becomes the program's arguments.
#include "platform/WindowsArguments.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(Parameters, BlanksSeparateQuotesGroupAndBackslashesEscapeQuotes)
{
    EXPECT_TRUE(splitParameters("").empty());
    EXPECT_TRUE(splitParameters("   ").empty());
    EXPECT_EQ(splitParameters(" -window  -opengl"), (std::vector<std::string>{"-window", "-opengl"}));
    EXPECT_EQ(splitParameters("-loadfile \"C:\\My Maps\\a b.w3x\""),
              (std::vector<std::string>{"-loadfile", "C:\\My Maps\\a b.w3x"}));
    EXPECT_EQ(splitParameters("say \\\"hi\\\" \"\""), (std::vector<std::string>{"say", "\"hi\"", ""}));
    EXPECT_EQ(splitParameters("C:\\dir\\\\\"x y\""), (std::vector<std::string>{"C:\\dir\\x y"}));
}

} // namespace
} // namespace orvane
