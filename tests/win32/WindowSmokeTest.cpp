// The real orvane.exe under Wine: found by its control IDs, driven by
// window messages as the user's input would drive it, and read back with
// Wine's own "reg query".
#include "app/MainWindow.h"
#include "controls/TabOrder.h"
#include "dialogs/AccountNameDialog.h"
#include "dialogs/FolderChooser.h"
#include "dialogs/AboutBox.h"
#include "dialogs/ProfileRenameDialog.h"
#include "settings/Schema.h"
#include "tests/support/TestGame.h"
#include "tests/win32/WindowUnderWine.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace orvane {
namespace {

class OrvaneExe : public ::testing::Test {
protected:
    test::TestGame game;
};

TEST_F(OrvaneExe, EveryControlHasItsIdAndTabFollowsTheLayout)
{
    test::RunningOrvane orvane;
    for (const LayoutRow& row : mainWindowLayout().controls) {
        const bool menu = row.kind == ControlKind::Menu || row.kind == ControlKind::MenuItem ||
                          row.kind == ControlKind::Separator;
        EXPECT_EQ(orvane.control(row.name) != nullptr, !menu) << row.name;
    }
    EXPECT_EQ(test::windowText(orvane.control("RemLoFiKey")), "Remove \"Allow Local Files\" Value");
    std::vector<HWND> expected;
    for (const LayoutRow* row : tabChain(mainWindowLayout())) {
        HWND control = orvane.control(row->name);
        if (IsWindowVisible(control) && IsWindowEnabled(control))
            expected.push_back(control);
    }
    ASSERT_FALSE(expected.empty());
    HWND current = expected.front();
    for (size_t i = 1; i < expected.size(); ++i) {
        current = GetNextDlgTabItem(orvane.window(), current, FALSE);
        EXPECT_EQ(current, expected[i]) << "tab stop " << i;
    }
    RECT client;
    GetClientRect(orvane.window(), &client);
    EXPECT_EQ(client.right, 894);
    EXPECT_EQ(client.bottom, 584);
    EXPECT_FALSE(GetWindowLongW(orvane.window(), GWL_STYLE) & WS_MAXIMIZEBOX);
}

TEST_F(OrvaneExe, ASliderMovedAndAppliedReachesTheRegistry)
{
    test::RunningOrvane orvane;
    HWND gamma = orvane.control("GammaTrackBar");
    SendMessageW(gamma, TBM_SETPOS, TRUE, 40);
    SendMessageW(orvane.window(), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 40), reinterpret_cast<LPARAM>(gamma));
    EXPECT_EQ(test::windowText(orvane.control("GammaCount")), "40");
    SendMessageW(orvane.control("VAS"), BM_CLICK, 0, 0);
    EXPECT_NE(test::regQuery(std::string(schema::VideoKey), "gamma").find("0x28"), std::string::npos);
}

TEST_F(OrvaneExe, APortOf80IsRefusedWithTheMessageAndTheRestIsWritten)
{
    test::RunningOrvane orvane;
    SendMessageW(orvane.control("NetGP"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"80"));
    HWND keys = orvane.control("KSTrackBar");
    SendMessageW(keys, TBM_SETPOS, TRUE, 70);
    SendMessageW(orvane.window(), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 70), reinterpret_cast<LPARAM>(keys));
    PostMessageW(orvane.control("GAS"), BM_CLICK, 0, 0); // the message box waits for its answer
    HWND box = test::shownWindow(L"#32770", L"Fatal Error");
    ASSERT_TRUE(box);
    EXPECT_EQ(test::windowText(GetDlgItem(box, 0xFFFF)),
              "Gameport must be a value between 1024 and 49151! Change this and press \"Apply Settings\" again!");
    SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(test::waitFor([] { return FindWindowW(L"#32770", L"Fatal Error") == nullptr; }));
    EXPECT_NE(test::regQuery(std::string(schema::GameplayKey), "netgameport").find("0x17e0"), std::string::npos);
    EXPECT_NE(test::regQuery(std::string(schema::GameplayKey), "keyscroll").find("0x46"), std::string::npos);
}

TEST_F(OrvaneExe, F5ReadsTheRegistryAgainAndClosingEndsTheProgram)
{
    test::RunningOrvane orvane;
    game.setInteger(schema::GameplayKey, "keyscroll", 77);
    SetForegroundWindow(orvane.window());
    PostMessageW(orvane.control("NetGP"), WM_KEYDOWN, VK_F5, 0);
    EXPECT_TRUE(test::waitFor([&] { return test::windowText(orvane.control("KSCount")) == "77"; }));
    PostMessageW(orvane.window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(orvane.waitForExit(10000), 0);
}

TEST_F(OrvaneExe, ListsCheckBoxesToolTipsAndTheDialogBind)
{
    test::RunningOrvane orvane;
    HWND resolution = orvane.control("ResCB");
    SendMessageW(resolution, CB_SETCURSEL, 3, 0);
    SendMessageW(orvane.window(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(resolution), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(resolution));
    SendMessageW(orvane.control("MidiCB"), BM_CLICK, 0, 0);
    SendMessageW(orvane.control("VAS"), BM_CLICK, 0, 0);
    SendMessageW(orvane.control("SAS"), BM_CLICK, 0, 0);
    EXPECT_NE(test::regQuery(std::string(schema::VideoKey), "reswidth").find("0x400"), std::string::npos);
    EXPECT_NE(test::regQuery(std::string(schema::SoundKey), "nomidi").find("0x1"), std::string::npos);

    // One tool tip per hint,
    int hints = 0;
    for (const LayoutRow& row : mainWindowLayout().controls)
        hints += !row.hint.empty();
    HWND toolTips = test::toolTipsOf(orvane.window());
    ASSERT_TRUE(toolTips);
    // and one per status panel, whose text it shows whole.
    EXPECT_EQ(SendMessageW(toolTips, TTM_GETTOOLCOUNT, 0, 0), hints + 3);

    // The add-account dialog: shown over the disabled main window, left by Escape.
    PostMessageW(orvane.control("AddBnet"), BM_CLICK, 0, 0);
    HWND dialog = test::shownWindow(L"OrvaneWindow", L"Add a Battle.net account name to the list");
    ASSERT_TRUE(dialog);
    EXPECT_FALSE(IsWindowEnabled(orvane.window()));
    EXPECT_FALSE(GetWindowLongW(dialog, GWL_STYLE) & WS_SYSMENU); // no title-bar buttons
    PostMessageW(GetDlgItem(dialog, controlId(accountNameDialogLayout(), "AddBnetEdit")), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(test::waitFor([&] { return !IsWindowVisible(dialog) && IsWindowEnabled(orvane.window()); }));
}

TEST_F(OrvaneExe, TheFileDialogsAndTheRenameDialogBind)
{
    test::RunningOrvane orvane;
    SetForegroundWindow(orvane.window());
    PostMessageW(orvane.window(), WM_COMMAND, MAKEWPARAM(controlId(mainWindowLayout(), "CMFileSaveConfig"), 0), 0);
    HWND save = test::shownWindow(L"#32770", L"Choose a name or a file for the new Configuration");
    ASSERT_TRUE(save);
    EXPECT_TRUE(GetWindowLongW(save, GWL_STYLE) & WS_THICKFRAME); // resizable
    SendMessageW(save, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(test::waitFor([] {
        return FindWindowW(L"#32770", L"Choose a name or a file for the new Configuration") == nullptr;
    }));

    PostMessageW(orvane.control("Rename"), BM_CLICK, 0, 0);
    HWND rename = test::shownWindow(L"OrvaneWindow", L"Rename Campaign Profile");
    ASSERT_TRUE(rename);
    HWND oldName = GetDlgItem(rename, controlId(profileRenameDialogLayout(), "OldCPName"));
    EXPECT_FALSE(IsWindowEnabled(oldName));
    EXPECT_TRUE(test::waitFor([oldName] { return test::windowText(oldName) == "Player"; }));
    EXPECT_EQ(SendMessageW(GetDlgItem(rename, controlId(profileRenameDialogLayout(), "NewCPName")), EM_GETLIMITTEXT, 0, 0), 15);
    SendMessageW(GetDlgItem(rename, controlId(profileRenameDialogLayout(), "RenCPCancel")), BM_CLICK, 0, 0);
    EXPECT_TRUE(test::waitFor([&] { return !IsWindowVisible(rename) && IsWindowEnabled(orvane.window()); }));
}

TEST_F(OrvaneExe, TheAboutBoxOpensOverTheDisabledWindowAndOKClosesIt)
{
    test::RunningOrvane orvane;
    PostMessageW(orvane.window(), WM_COMMAND, MAKEWPARAM(controlId(mainWindowLayout(), "CMHelpInfo"), 0), 0);
    HWND box = test::shownWindow(L"OrvaneWindow", L"Info about Orvane");
    ASSERT_TRUE(box);
    EXPECT_FALSE(IsWindowEnabled(orvane.window()));
    EXPECT_EQ(test::windowText(GetDlgItem(box, controlId(aboutBoxLayout(), "Label5"))), "Orvane " ORVANE_VERSION);
    EXPECT_EQ(test::windowText(GetDlgItem(box, controlId(aboutBoxLayout(), "lbMail"))).rfind("Mail: ", 0), 0u);
    SendMessageW(GetDlgItem(box, controlId(aboutBoxLayout(), "butOK")), BM_CLICK, 0, 0);
    EXPECT_TRUE(test::waitFor([&] { return !IsWindowVisible(box) && IsWindowEnabled(orvane.window()); }));
}

TEST_F(OrvaneExe, TheFolderChooserOpensAFolderByDoubleClickAndOKFillsTheField)
{
    std::filesystem::create_directories(game.gameFolder() / "Maps");
    test::RunningOrvane orvane;
    PostMessageW(orvane.control("CPS"), BM_CLICK, 0, 0);
    HWND chooser = test::shownWindow(L"OrvaneWindow", L"Choose Directory");
    ASSERT_TRUE(chooser);
    HWND tree = GetDlgItem(chooser, controlId(folderChooserLayout(), "DirListBox"));
    const auto maps = SendMessageW(tree, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"Maps"));
    ASSERT_GE(maps, 0);
    SendMessageW(tree, LB_SETCURSEL, static_cast<WPARAM>(maps), 0);
    SendMessageW(chooser, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(tree), LBN_DBLCLK), reinterpret_cast<LPARAM>(tree));
    SendMessageW(GetDlgItem(chooser, controlId(folderChooserLayout(), "OKButton")), BM_CLICK, 0, 0);
    EXPECT_TRUE(test::waitFor([&] { return test::windowText(orvane.control("PS")) == game.installPath() + "\\Maps"; }));
    EXPECT_TRUE(IsWindowEnabled(orvane.window()));
}

} // namespace
} // namespace orvane
