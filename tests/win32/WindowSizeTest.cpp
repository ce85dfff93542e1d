// The real orvane.exe's windows measured as they are on the screen, at
// the display scales players use (100% to 200%, set as LogPixels before
// each start): each window and control the layout's size times the scale,
// captions with room to spare, and a move to a monitor of another scale.
#include "app/MainWindow.h"
#include "controls/AccessibleNames.h"
#include "dialogs/AboutBox.h"
#include "dialogs/AccountNameDialog.h"
#include "dialogs/FolderChooser.h"
#include "dialogs/OptionsDialog.h"
#include "dialogs/ProfileRenameDialog.h"
#include "settings/Schema.h"
#include "files/WideText.h"
#include "tests/support/TestGame.h"
#include "tests/win32/LayoutChecks.h"
#include "tests/win32/WindowUnderWine.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>

namespace orvane {
namespace {

using test::placeIn;

class OrvaneExeSizes : public ::testing::Test {
protected:
    // Measured in the windows' own pixels, not mapped to this program's scale.
    void SetUp() override { SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2); }

    test::TestGame game;
};

class OrvaneExeAtScale : public OrvaneExeSizes, public ::testing::WithParamInterface<int> {
protected:
    test::DisplayScale scale{GetParam()};
};

// How each dialog is opened from the main window and left again.
struct DialogRoute {
    const char* opener; // a button of the main window, or a menu item
    const WindowLayout& layout;
    const char* leave;
};

const DialogRoute Dialogs[] = {{"AddBnet", accountNameDialogLayout(), "AddBnetCancel"},
                               {"Rename", profileRenameDialogLayout(), "RenCPCancel"},
                               {"CPS", folderChooserLayout(), "CancelButton"},
                               {"CMOptions", optionsDialogLayout(), "LeaveOptBut"},
                               {"CMHelpInfo", aboutBoxLayout(), "butOK"}};

HWND openDialog(const test::RunningOrvane& orvane, const DialogRoute& dialog)
{
    if (HWND button = orvane.control(dialog.opener))
        PostMessageW(button, BM_CLICK, 0, 0);
    else
        PostMessageW(orvane.window(), WM_COMMAND, MAKEWPARAM(controlId(mainWindowLayout(), dialog.opener), 0), 0);
    return test::shownWindow(L"OrvaneWindow", wide(dialog.layout.caption).c_str());
}

TEST_P(OrvaneExeAtScale, EveryWindowIsItsLayoutTimesTheScale)
{
    test::RunningOrvane orvane;
    test::expectLaidOutAt(orvane.window(), mainWindowLayout(), GetParam());
    // Larger than the work area, the window keeps its title bar and menu on the screen.
    RECT frame;
    GetWindowRect(orvane.window(), &frame);
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_GE(frame.left, work.left);
    EXPECT_GE(frame.top, work.top);
    for (const DialogRoute& dialog : Dialogs) {
        HWND shown = openDialog(orvane, dialog);
        ASSERT_TRUE(shown) << dialog.opener;
        test::expectLaidOutAt(shown, dialog.layout, GetParam());
        SendMessageW(GetDlgItem(shown, controlId(dialog.layout, dialog.leave)), BM_CLICK, 0, 0);
        ASSERT_TRUE(test::waitFor([&] { return IsWindowEnabled(orvane.window()) != FALSE; }));
    }
}

INSTANTIATE_TEST_SUITE_P(DisplayScales, OrvaneExeAtScale, ::testing::Values(96, 120, 144, 192),
                         [](const auto& scale) { return std::to_string(scale.param) + "Dpi"; });

// Whether anything is written under a key while it lives.
class RegistryWatch {
public:
    explicit RegistryWatch(const wchar_t* key)
    {
        RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_NOTIFY, &key_);
        RegNotifyChangeKeyValue(key_, TRUE, REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET, changed_, TRUE);
    }
    ~RegistryWatch()
    {
        RegCloseKey(key_);
        CloseHandle(changed_);
    }
    bool written(DWORD within) const { return WaitForSingleObject(changed_, within) == WAIT_OBJECT_0; }

private:
    HKEY key_ = nullptr;
    HANDLE changed_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
};

TEST_F(OrvaneExeSizes, AMoveToAMonitorOfAnotherScaleLaysTheWindowOutAgainKeepingWhatThePlayerDid)
{
    test::RunningOrvane orvane;
    HWND name = orvane.control("LANName");
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Thrall"));
    SendMessageW(name, EM_SETSEL, 1, 4);
    HWND resolution = orvane.control("ResCB");
    SendMessageW(resolution, CB_SETCURSEL, 5, 0);
    const RegistryWatch game(wide(std::string(schema::GameKey)).c_str());
    const RegistryWatch own(L"Software\\Orvane");

    // The rectangle the system suggests: the frame around the scaled client area.
    const int dpi = 192;
    RECT suggested;
    GetWindowRect(orvane.window(), &suggested);
    RECT client{0, 0, mainWindowLayout().clientWidth * 2, mainWindowLayout().clientHeight * 2}; // 192 DPI: twice
    AdjustWindowRectExForDpi(&client, GetWindowLongW(orvane.window(), GWL_STYLE), TRUE,
                             GetWindowLongW(orvane.window(), GWL_EXSTYLE), GetDpiForWindow(orvane.window()));
    suggested.right = suggested.left + client.right - client.left;
    suggested.bottom = suggested.top + client.bottom - client.top;
    test::sendPointing(orvane.window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), suggested);

    RECT frame;
    GetWindowRect(orvane.window(), &frame);
    EXPECT_TRUE(EqualRect(&frame, &suggested));
    test::expectLaidOutAt(orvane.window(), mainWindowLayout(), dpi);
    EXPECT_EQ(test::windowText(name), "Thrall");
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(name, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 1u);
    EXPECT_EQ(end, 4u);
    EXPECT_EQ(SendMessageW(resolution, CB_GETCURSEL, 0, 0), 5);
    EXPECT_FALSE(game.written(300));
    EXPECT_FALSE(own.written(0));
}

TEST_F(OrvaneExeSizes, TheManifestAsksForEachMonitorsOwnScale)
{
    test::RunningOrvane orvane;
    EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetWindowDpiAwarenessContext(orvane.window())),
              DPI_AWARENESS_PER_MONITOR_AWARE);
    const std::wstring exe = test::orvaneProgram().wstring();
    HMODULE image = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_TRUE(image);
    HRSRC resource = FindResourceW(image, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)); // RT_MANIFEST
    ASSERT_TRUE(resource);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(image, resource))),
                               SizeofResource(image, resource));
    FreeLibrary(image);
    EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos) << manifest;
    EXPECT_NE(manifest.find("SMI/2016/WindowsSettings"), std::string::npos);
    EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos) << "the declaration older Windows reads";
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
