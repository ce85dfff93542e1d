// The real orvane.exe's windows measured as they are on the screen: each
// client area the size its layout gives it, and captions with room to spare.
#include "app/MainWindowLayout.h"
#include "controls/AccessibleNames.h"
#include "dialogs/AboutBox.h"
#include "dialogs/AccountNameDialog.h"
#include "dialogs/FolderChooser.h"
#include "dialogs/OptionsDialog.h"
#include "dialogs/ProfileRenameDialog.h"
#include "settings/WideText.h"
#include "tests/support/TestGame.h"
#include "tests/win32/WindowUnderWine.h"
#include "ui/win32/LayoutFont.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>

namespace orvane {
namespace {

RECT clientOf(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    return client;
}

// A caption's width in the face and size the windows use.
int captionWidth(const std::string& caption)
{
    TextMeasure measure;
    HFONT font = createLayoutFont(measure);
    const int width = measure.width(font, caption);
    DeleteObject(font);
    return width;
}

RECT placeIn(HWND window, HWND control)
{
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

class OrvaneExeSizes : public ::testing::Test {
protected:
    test::TestGame game;
};

TEST_F(OrvaneExeSizes, EveryWindowsClientAreaIsItsLayouts)
{
    test::RunningOrvane orvane;
    const RECT main = clientOf(orvane.window());
    EXPECT_EQ(main.right, mainWindowLayout().clientWidth);
    EXPECT_EQ(main.bottom, mainWindowLayout().clientHeight);
    const struct {
        const char* opener;
        const WindowLayout& layout;
        const char* leave;
    } dialogs[] = {{"AddBnet", accountNameDialogLayout(), "AddBnetCancel"},
                   {"Rename", profileRenameDialogLayout(), "RenCPCancel"},
                   {"CPS", folderChooserLayout(), "CancelButton"}};
    for (const auto& dialog : dialogs) {
        PostMessageW(orvane.control(dialog.opener), BM_CLICK, 0, 0);
        HWND shown = test::shownWindow(L"OrvaneWindow", wide(dialog.layout.caption).c_str());
        ASSERT_TRUE(shown) << dialog.opener;
        const RECT client = clientOf(shown);
        EXPECT_EQ(client.right, dialog.layout.clientWidth) << dialog.layout.name;
        EXPECT_EQ(client.bottom, dialog.layout.clientHeight) << dialog.layout.name;
        SendMessageW(GetDlgItem(shown, controlId(dialog.layout, dialog.leave)), BM_CLICK, 0, 0);
        ASSERT_TRUE(test::waitFor([&] { return IsWindowEnabled(orvane.window()) != FALSE; }));
    }
    for (const auto& [command, layout, leave] :
         {std::tuple{"CMOptions", &optionsDialogLayout(), "LeaveOptBut"}, std::tuple{"CMHelpInfo", &aboutBoxLayout(), "butOK"}}) {
        PostMessageW(orvane.window(), WM_COMMAND, MAKEWPARAM(controlId(mainWindowLayout(), command), 0), 0);
        HWND shown = test::shownWindow(L"OrvaneWindow", wide(layout->caption).c_str());
        ASSERT_TRUE(shown) << command;
        const RECT client = clientOf(shown);
        EXPECT_EQ(client.right, layout->clientWidth) << layout->name;
        EXPECT_EQ(client.bottom, layout->clientHeight) << layout->name;
        // Every control within the client area.
        for (const LayoutRow& row : layout->controls) {
            if (HWND control = GetDlgItem(shown, controlId(*layout, row.name))) {
                EXPECT_LE(placeIn(shown, control).right, client.right) << layout->name << "." << row.name;
            }
        }
        SendMessageW(GetDlgItem(shown, controlId(*layout, leave)), BM_CLICK, 0, 0);
        ASSERT_TRUE(test::waitFor([&] { return IsWindowEnabled(orvane.window()) != FALSE; }));
    }
}

TEST_F(OrvaneExeSizes, CaptionsKeepClearOfTheirNeighboursAndTheirBorders)
{
    test::RunningOrvane orvane;
    const RECT label = placeIn(orvane.window(), orvane.control("Label28"));
    const RECT list = placeIn(orvane.window(), orvane.control("TCDCombo"));
    EXPECT_LT(label.left + captionWidth("Texture Color Depth"), list.left - 1) << "the caption runs into its list";
    const RECT button = placeIn(orvane.window(), orvane.control("RemLoFiKey"));
    EXPECT_LE(captionWidth("Remove \"Allow Local Files\" Value") + 8, button.right - button.left)
        << "the caption fills its button";
}

// A screen reader (MSAA) names a control without a caption by the label
// just before it among its siblings.
TEST_F(OrvaneExeSizes, EachUnlabelledControlFollowsTheLabelThatNamesIt)
{
    test::RunningOrvane orvane;
    int named = 0;
    for (const LayoutRow& row : mainWindowLayout().controls) {
        const LayoutRow* naming = namingRow(mainWindowLayout(), row);
        if (!naming || naming->kind != ControlKind::Label)
            continue;
        EXPECT_EQ(GetWindow(orvane.control(row.name), GW_HWNDPREV), orvane.control(naming->name)) << row.name;
        ++named;
    }
    EXPECT_GE(named, 15);
}

TEST_F(OrvaneExeSizes, ALongConfigurationPathIsShortenedInItsPanelAndWholeInATip)
{
    const std::filesystem::path deep = game.scratch() / std::string(120, 'd') / "competitive.ini";
    std::filesystem::create_directories(deep.parent_path());
    { std::FILE* file = _wfopen(deep.c_str(), L"wb"); std::fputs("[Video]\r\ngamma=30\r\n", file); std::fclose(file); }
    test::RunningOrvane orvane;
    HWND bar = orvane.control("StatusBar");
    HWND tips = test::toolTipsOf(orvane.window());
    ASSERT_TRUE(tips);
    const LRESULT toolsBefore = SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0);
    PostMessageW(orvane.window(), WM_COMMAND, MAKEWPARAM(controlId(mainWindowLayout(), "CMFileLoadConfig"), 0), 0);
    HWND open = test::shownWindow(L"#32770", L"Select a Configuration to load");
    ASSERT_TRUE(open);
    HWND name = nullptr;
    for (int id : {0x47c, 0x480}) // the file name's combo box or edit
        if (!name)
            name = GetDlgItem(open, id);
    ASSERT_TRUE(name);
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(deep.wstring().c_str()));
    PostMessageW(open, WM_COMMAND, IDOK, 0);
    HWND question = test::shownWindow(L"#32770", L"Save to Registry?");
    ASSERT_TRUE(question);
    PostMessageW(question, WM_COMMAND, IDNO, 0);
    ASSERT_TRUE(test::waitFor([&] { return FindWindowW(L"#32770", L"Save to Registry?") == nullptr; }));
    // The panel holds fewer characters than the path (its text can only be
    // measured from outside), and every panel has its tip.
    ASSERT_TRUE(test::waitFor([&] { return LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, 2, 0)) > 1; }));
    EXPECT_LT(LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, 2, 0)), deep.wstring().size());
    EXPECT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), toolsBefore);
    EXPECT_GE(toolsBefore, 3);
}

} // namespace
} // namespace orvane
