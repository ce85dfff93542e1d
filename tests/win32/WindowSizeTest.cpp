// The real orvane.exe's windows measured as they are on the screen, at
// the display scales players use (100% to 200%, set as LogPixels before
// each start): each window and control the layout's size times the scale,
// captions with room to spare, and a move to a monitor of another scale.
// In whatever language Wine's locale gives orvane.exe: the windows are
// found and measured in that language's texts.
#include "app/MainWindow.h"
#include "controls/AccessibleNames.h"
#include "controls/TranslatedLayout.h"
#include "dialogs/AboutBox.h"
#include "dialogs/AccountNameDialog.h"
#include "dialogs/FolderChooser.h"
#include "dialogs/OptionsDialog.h"
#include "dialogs/ProfileRenameDialog.h"
#include "dialogs/RestoreDialog.h"
#include "settings/Schema.h"
#include "files/WideText.h"
#include "platform/PlayersLanguages.h"
#include "tests/support/TestGame.h"
#include "tests/win32/LayoutChecks.h"
#include "tests/win32/WindowUnderWine.h"

#include <cstdlib>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

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
                               {"CMHelpInfo", aboutBoxLayout(), "butOK"},
                               {"CMFileRestore", restoreDialogLayout(), "HistoryCancel"}};

HWND openDialog(const test::RunningOrvane& orvane, const DialogRoute& dialog, const Texts& texts)
{
    if (HWND button = orvane.control(dialog.opener))
        PostMessageW(button, BM_CLICK, 0, 0);
    else
        PostMessageW(orvane.window(), WM_COMMAND, MAKEWPARAM(controlId(mainWindowLayout(), dialog.opener), 0), 0);
    return test::shownWindow(L"OrvaneWindow", wide(texts(dialog.layout.caption)).c_str());
}

TEST_P(OrvaneExeAtScale, EveryWindowIsItsLayoutTimesTheScale)
{
    // The language orvane.exe runs in, as Wine tells this program too.
    const Texts texts = playersTexts();
    if (const char* expected = std::getenv("ORVANE_EXPECTED_LANGUAGE")) {
        ASSERT_EQ(texts.language(), expected);
    }
    test::RunningOrvane orvane;
    test::expectLaidOutAt(orvane.window(), translated(mainWindowLayout(), texts), GetParam());
    // The status panels' texts whole, not shortened to fit: another
    // process's panel text can only be measured, as its length, with the
    // tab before it that centres it.
    HWND bar = orvane.control("StatusBar");
    ASSERT_TRUE(test::waitFor([&] { return LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, 2, 0)) > 1; }));
    EXPECT_EQ(LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, 1, 0)), 1 + wide(texts("No changes have been made!")).size());
    EXPECT_EQ(LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, 2, 0)), 1 + wide(texts("No configuration loaded!")).size());
    // Larger than the work area, the window keeps to it and its client area scrolls.
    RECT frame;
    GetWindowRect(orvane.window(), &frame);
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_GE(frame.left, work.left);
    EXPECT_GE(frame.top, work.top);
    EXPECT_LE(frame.right, work.right);
    EXPECT_LE(frame.bottom, work.bottom);
    // Wine's null display is 1024 by 768: the window fits it at 96 DPI only.
    const LONG bars = GetWindowLongW(test::scrollingViewOf(orvane.window()), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL);
    if (GetParam() == 96) {
        EXPECT_EQ(bars, 0);
        EXPECT_EQ(test::clientOf(orvane.window()).right, 894);
        EXPECT_EQ(test::clientOf(orvane.window()).bottom, 584);
    } else {
        EXPECT_NE(bars, 0);
    }
    for (const DialogRoute& dialog : Dialogs) {
        HWND shown = openDialog(orvane, dialog, texts);
        ASSERT_TRUE(shown) << dialog.opener;
        test::expectLaidOutAt(shown, translated(dialog.layout, texts), GetParam());
        SendMessageW(GetDlgItem(shown, controlId(dialog.layout, dialog.leave)), BM_CLICK, 0, 0);
        ASSERT_TRUE(test::waitFor([&] { return IsWindowEnabled(orvane.window()) != FALSE; }));
    }
}

INSTANTIATE_TEST_SUITE_P(DisplayScales, OrvaneExeAtScale, ::testing::Values(96, 120, 144, 192),
                         [](const auto& scale) { return std::to_string(scale.param) + "Dpi"; });

// On a laptop's screen of 1366 by 768 (Wine's virtual desktop of that size,
// where its own test run puts it) a scaled main window keeps to the work
// area, and each control of it is brought into view by the keyboard and
// takes the pointer's press there.
struct SmallScreenScale {
    int dpi;
    bool scrollsAcross;
};

class OrvaneExeOnASmallScreen : public OrvaneExeSizes, public ::testing::WithParamInterface<SmallScreenScale> {
protected:
    test::DisplayScale scale{GetParam().dpi};
};

std::string nameOf(HWND control)
{
    for (const LayoutRow& row : mainWindowLayout().controls)
        if (controlId(mainWindowLayout(), row.name) == GetDlgCtrlID(control))
            return row.name;
    return "?";
}

POINT middleOf(const RECT& place)
{
    return {(place.left + place.right) / 2, (place.top + place.bottom) / 2};
}

bool within(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// The pointer pressed on the control in view, and what the press did read back from it.
void expectAPressReaches(HWND control)
{
    RECT place;
    GetWindowRect(control, &place);
    const POINT middle = middleOf(place);
    wchar_t kind[64] = {};
    GetClassNameW(control, kind, 64);
    const std::wstring className = kind;
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    if (className == L"Button" && (style & BS_TYPEMASK) == BS_AUTOCHECKBOX) {
        const LRESULT before = SendMessageW(control, BM_GETCHECK, 0, 0);
        test::pressAt(middle);
        test::releaseAt(middle);
        EXPECT_TRUE(test::waitFor([&] { return SendMessageW(control, BM_GETCHECK, 0, 0) != before; }, 3000));
    } else if (className == L"Button") {
        // Pressed, then let go off it: the button shows the press and does nothing.
        test::pressAt(middle);
        EXPECT_TRUE(test::waitFor([&] { return (SendMessageW(control, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; }, 3000));
        test::releaseAt({place.left - 40, place.top - 40});
        EXPECT_TRUE(test::waitFor([&] { return (SendMessageW(control, BM_GETSTATE, 0, 0) & BST_PUSHED) == 0; }, 3000));
    } else if (className == L"ComboBox") {
        test::pressAt(middle);
        test::releaseAt(middle);
        EXPECT_TRUE(test::waitFor([&] { return SendMessageW(control, CB_GETDROPPEDSTATE, 0, 0) != 0; }, 3000));
        test::pressKey(VK_ESCAPE);
        EXPECT_TRUE(test::waitFor([&] { return SendMessageW(control, CB_GETDROPPEDSTATE, 0, 0) == 0; }, 3000));
    } else if (className == L"Edit") {
        // The keyboard selected the whole text; a click at the end of it puts the caret there.
        SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"12"));
        test::pressAt(middle);
        test::releaseAt(middle);
        test::typeText(L"7");
        EXPECT_TRUE(test::waitFor([&] { return test::windowText(control) == "127"; }, 3000))
            << test::windowText(control);
    } else if (className == TRACKBAR_CLASSW) {
        // A press on the track beside the thumb moves it a page that way.
        const LRESULT before = SendMessageW(control, TBM_GETPOS, 0, 0);
        const bool high =
            before > (SendMessageW(control, TBM_GETRANGEMIN, 0, 0) + SendMessageW(control, TBM_GETRANGEMAX, 0, 0)) / 2;
        const LONG eighth = (place.right - place.left) / 8;
        const POINT track{high ? place.left + eighth : place.right - eighth, middle.y};
        test::pressAt(track);
        test::releaseAt(track);
        EXPECT_TRUE(test::waitFor([&] { return SendMessageW(control, TBM_GETPOS, 0, 0) != before; }, 3000));
    } else {
        ADD_FAILURE() << "no press tried on a control of that kind";
    }
}

TEST_P(OrvaneExeOnASmallScreen, TheWindowKeepsToTheWorkAreaAndEachControlScrollsIntoViewAndTakesAPress)
{
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1366) << "run in Wine's virtual desktop of 1366x768";
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    test::RunningOrvane orvane;
    HWND window = orvane.window();
    RECT frame;
    GetWindowRect(window, &frame);
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_TRUE(within(frame, work));
    // All of the layout is in the scrolled content, the status bar along the bottom of the window.
    test::expectLaidOutAt(window, mainWindowLayout(), GetParam().dpi);
    HWND view = test::scrollingViewOf(window);
    ASSERT_TRUE(view);
    const LONG bars = GetWindowLongW(view, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL);
    EXPECT_EQ(bars, GetParam().scrollsAcross ? WS_HSCROLL | WS_VSCROLL : WS_VSCROLL);
    const RECT inView = test::clientOnScreen(view);
    EXPECT_TRUE(within(inView, work));
    RECT viewFrame;
    GetWindowRect(view, &viewFrame);
    RECT bar;
    GetWindowRect(orvane.control("StatusBar"), &bar);
    EXPECT_EQ(bar.top, viewFrame.bottom);
    EXPECT_EQ(bar.bottom, test::clientOnScreen(window).bottom);

    // Tab goes round every control that takes the keyboard.
    SetForegroundWindow(window);
    std::set<std::string> reached;
    HWND focused = test::focusOf(window);
    for (int tab = 0; tab < 100; ++tab) {
        const HWND before = focused;
        test::pressKey(VK_TAB);
        ASSERT_TRUE(test::waitFor([&] { return (focused = test::focusOf(window)) != before; }, 3000));
        const std::string name = nameOf(focused);
        if (!reached.insert(name).second)
            break;
        SCOPED_TRACE(name);
        RECT place;
        EXPECT_TRUE(test::waitFor([&] { return GetWindowRect(focused, &place) && within(place, inView); }, 3000))
            << place.left << "," << place.top << " " << place.right << "," << place.bottom << " not in the view";
        expectAPressReaches(focused);
    }
    for (const char* distant : {"GAS", "VAS", "SAS", "MAS", "RemLoFiKey", "CPE", "ALFCB", "LANName", "SndSysCombo"})
        EXPECT_TRUE(reached.count(distant)) << distant << " of " << reached.size();

    // The wheel scrolls the view down to the pictures at the bottom: turned
    // over a button that has the focus, which does not take it.
    HWND gas = orvane.control("GAS");
    for (int tab = 0; tab < 100 && test::focusOf(window) != gas; ++tab)
        test::pressKey(VK_TAB);
    ASSERT_TRUE(test::waitFor([&] { return test::focusOf(window) == gas; }, 3000));
    HWND content = test::scrolledContentOf(window);
    RECT top;
    GetWindowRect(content, &top);
    RECT button;
    GetWindowRect(gas, &button);
    const POINT over{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    test::turnWheelAt(over, -1);
    RECT moved;
    ASSERT_TRUE(test::waitFor([&] { return GetWindowRect(content, &moved) && moved.top < top.top; }, 3000));
    // On down over the status bar, which stays where it is.
    const POINT onBar{(bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2};
    for (int notch = 0; notch < 10; ++notch)
        test::turnWheelAt(onBar, -1);
    for (const char* picture : {"W3Icon", "WEIcon"}) {
        RECT place;
        EXPECT_TRUE(test::waitFor(
            [&] { return GetWindowRect(orvane.control(picture), &place) && within(place, inView); }, 3000))
            << picture;
    }
}

INSTANTIATE_TEST_SUITE_P(DisplayScales, OrvaneExeOnASmallScreen,
                         ::testing::Values(SmallScreenScale{120, false}, SmallScreenScale{144, true},
                                           SmallScreenScale{192, true}),
                         [](const auto& scale) { return std::to_string(scale.param.dpi) + "Dpi"; });

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

    // Twice the size does not fit Wine's null display of 1024 by 768: the
    // window takes all of it and scrolls.
    RECT frame;
    GetWindowRect(orvane.window(), &frame);
    EXPECT_EQ(frame.left, 0);
    EXPECT_EQ(frame.top, 0);
    EXPECT_EQ(frame.right, 1024);
    EXPECT_EQ(frame.bottom, 768);
    HWND view = test::scrollingViewOf(orvane.window());
    EXPECT_EQ(GetWindowLongW(view, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), WS_HSCROLL | WS_VSCROLL);
    test::expectLaidOutAt(orvane.window(), mainWindowLayout(), dpi);
    EXPECT_EQ(test::windowText(name), "Thrall");
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(name, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 1u);
    EXPECT_EQ(end, 4u);
    EXPECT_EQ(SendMessageW(resolution, CB_GETCURSEL, 0, 0), 5);

    // Back at 96 DPI the whole window fits again, where the system suggests, without scroll bars.
    RECT whole{0, 0, mainWindowLayout().clientWidth, mainWindowLayout().clientHeight};
    AdjustWindowRectExForDpi(&whole, GetWindowLongW(orvane.window(), GWL_STYLE), TRUE,
                             GetWindowLongW(orvane.window(), GWL_EXSTYLE), 96);
    RECT back{40, 30, 40 + whole.right - whole.left, 30 + whole.bottom - whole.top};
    test::sendPointing(orvane.window(), WM_DPICHANGED, MAKEWPARAM(96, 96), back);
    GetWindowRect(orvane.window(), &frame);
    EXPECT_TRUE(EqualRect(&frame, &back));
    EXPECT_EQ(GetWindowLongW(view, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), 0);
    test::expectLaidOutAt(orvane.window(), mainWindowLayout(), 96);
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
