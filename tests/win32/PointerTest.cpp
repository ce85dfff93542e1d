// The pointer over the real orvane.exe as a person moves it: tool tips come
// from the system's input queue, not from messages a test sends.
#include "app/MainWindow.h"
#include "tests/support/TestGame.h"
#include "tests/win32/WindowUnderWine.h"

#include <commctrl.h>
#include <algorithm>
#include <gtest/gtest.h>

namespace orvane {
namespace {

POINT middleOf(HWND owner, HWND control)
{
    RECT place;
    GetWindowRect(control, &place);
    POINT middle{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
    ScreenToClient(owner, &middle);
    return middle;
}

TEST(PointerOverOrvaneExe, AControlsHintAndAStatusPanelsWholeTextShowUnderThePointerAndGoWhenItLeaves)
{
    test::TestGame game;
    test::RunningOrvane orvane;
    HWND tips = test::toolTipsOf(orvane.window());
    ASSERT_TRUE(tips);
    SetForegroundWindow(orvane.window());
    const auto shownAfterHover = [&](HWND control) {
        test::pointAt(orvane.window(), middleOf(orvane.window(), control));
        // The tip waits for the pointer to rest; a second move inside keeps it there.
        test::pointAt(orvane.window(), middleOf(orvane.window(), control));
        return test::waitFor([tips] { return IsWindowVisible(tips) != FALSE; }, 3000);
    };

    EXPECT_TRUE(shownAfterHover(orvane.control("MSCB"))) << "a check box's hint";
    // A button without a hint takes the tip away.
    test::pointAt(orvane.window(), middleOf(orvane.window(), orvane.control("GAS")));
    EXPECT_TRUE(test::waitFor([tips] { return !IsWindowVisible(tips); }, 3000));

    HWND bar = orvane.control("StatusBar");
    // The panel's place from the layout: another process's SB_GETRECT answer does not reach this one.
    const auto& rows = mainWindowLayout().controls;
    const std::vector<int>& widths =
        std::find_if(rows.begin(), rows.end(), [](const LayoutRow& row) { return row.name == "StatusBar"; })->panelWidths;
    RECT place;
    GetClientRect(bar, &place);
    POINT inPanel{widths[0] + widths[1] + widths[2] / 2, place.bottom / 2};
    MapWindowPoints(bar, orvane.window(), &inPanel, 1);
    test::pointAt(orvane.window(), inPanel);
    test::pointAt(orvane.window(), {inPanel.x + 1, inPanel.y});
    EXPECT_TRUE(test::waitFor([tips] { return IsWindowVisible(tips) != FALSE; }, 3000)) << "the game folder's panel";
}

} // namespace
} // namespace orvane
