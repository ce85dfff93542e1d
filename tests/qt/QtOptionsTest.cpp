// Qt's own options go to Qt, with one dash or two as Qt takes them; the
// rest stay Orvane's, in order.
#include "ui/qt/QtOptions.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using Arguments = std::vector<std::string>;

TEST(QtOptions, QtsOwnOptionsWithOneDashOrTwoGoToQtAndTheRestStayOrvanes)
{
    const SeparatedArguments separated =
        separateQtOptions({"--style", "Fusion", "--load", "a.ini", "-reverse", "--style=Windows", "-platform", "xcb",
                           "/scrshtemu", "--prefix", "/p", "-stylesheet=x.qss", "--list-prefixes", "--reverse"});
    EXPECT_EQ(separated.qt, (Arguments{"--style", "Fusion", "-reverse", "--style=Windows", "-platform", "xcb",
                                       "-stylesheet=x.qss", "--reverse"}));
    EXPECT_EQ(separated.own, (Arguments{"--load", "a.ini", "/scrshtemu", "--prefix", "/p", "--list-prefixes"}));
}

TEST(QtOptions, NamesThatOnlyBeginLikeQtsStayOrvanesAndALastOptionKeepsItsPlace)
{
    const SeparatedArguments separated = separateQtOptions({"--stylex", "-styles", "---style", "x", "-style"});
    EXPECT_EQ(separated.qt, (Arguments{"-style"}));
    EXPECT_EQ(separated.own, (Arguments{"--stylex", "-styles", "---style", "x"}));
}

} // namespace
} // namespace orvane
