// Typing into the real orvane.exe as a person does: clicks and key presses
// through the system's input queue, read back from the edits and from
// Wine's registry.
#include "app/MainWindow.h"
#include "dialogs/AccountNameDialog.h"
#include "settings/Schema.h"
#include "files/WideText.h"
#include "tests/support/TestGame.h"
#include "tests/win32/WindowUnderWine.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

class TypingIntoOrvaneExe : public ::testing::Test {
protected:
    // Replaces the edit's whole text by typing, as a player selecting it first does.
    static void retype(HWND edit, const std::wstring& text)
    {
        test::clickOn(edit);
        test::pressKey(VK_HOME);
        test::pressKey(VK_END, true);
        test::typeText(text);
    }

    static std::pair<DWORD, DWORD> selection(HWND edit)
    {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }

    test::TestGame game;
};

TEST_F(TypingIntoOrvaneExe, TypedTextKeepsItsOrderCaretAndUndoAndReachesTheRegistry)
{
    test::RunningOrvane orvane;
    HWND port = orvane.control("NetGP");
    retype(port, L"7000");
    ASSERT_TRUE(test::waitFor([port] { return test::windowText(port) == "7000"; }, 3000))
        << "typed 7000, shown: " << test::windowText(port);
    EXPECT_EQ(selection(port), std::make_pair(DWORD{4}, DWORD{4})) << "the caret stays after the typed text";
    EXPECT_TRUE(SendMessageW(port, EM_CANUNDO, 0, 0)) << "typing can be undone";

    // Deleting and typing in the middle keep the caret where the player put it.
    test::pressKey(VK_LEFT);
    test::pressKey(VK_LEFT);
    test::pressKey(VK_BACK);
    test::typeText(L"5");
    ASSERT_TRUE(test::waitFor([port] { return test::windowText(port) == "7500"; }, 3000))
        << "shown: " << test::windowText(port);
    EXPECT_EQ(selection(port), std::make_pair(DWORD{2}, DWORD{2}));

    HWND lanName = orvane.control("LANName");
    retype(lanName, L"Thrall");
    ASSERT_TRUE(test::waitFor([lanName] { return test::windowText(lanName) == "Thrall"; }, 3000))
        << "shown: " << test::windowText(lanName);
    for (const auto& [name, typed] : {std::pair{"PS", L"C:\\Saves"}, std::pair{"PR", L"C:\\Replays"},
                                      std::pair{"PL", L"C:\\Logs"}, std::pair{"PE", L"C:\\Errors"}}) {
        HWND field = orvane.control(name);
        retype(field, typed);
        const std::string expected = utf8(typed);
        ASSERT_TRUE(test::waitFor([field, &expected] { return test::windowText(field) == expected; }, 3000))
            << name << " shows: " << test::windowText(field);
    }

    test::clickOn(orvane.control("GAS"));
    test::clickOn(orvane.control("MAS"));
    EXPECT_TRUE(test::waitFor([] {
        return test::regQuery(std::string(schema::GameplayKey), "netgameport").find("0x1d4c") != std::string::npos;
    }, 5000)) << test::regQuery(std::string(schema::GameplayKey), "netgameport");
    EXPECT_NE(test::regQuery(std::string(schema::StringKey), "userlocal").find("Thrall"), std::string::npos);
    EXPECT_NE(test::regQuery(std::string(schema::GameKey) + "\\DelOpt0", "Path0").find("C:\\Saves"),
              std::string::npos);
    EXPECT_NE(test::regQuery(std::string(schema::GameKey) + "\\DelOpt2", "Path3").find("C:\\Logs"),
              std::string::npos);
    EXPECT_NE(test::regQuery(std::string(schema::GameKey) + "\\DelOpt3", "Path0").find("C:\\Errors"),
              std::string::npos);
}

TEST_F(TypingIntoOrvaneExe, ANameTypedIntoTheAddDialogIsStoredAsTyped)
{
    test::RunningOrvane orvane;
    test::clickOn(orvane.control("AddBnet"));
    HWND dialog = test::shownWindow(L"OrvaneWindow", L"Add a Battle.net account name to the list");
    ASSERT_TRUE(dialog);
    HWND edit = GetDlgItem(dialog, controlId(accountNameDialogLayout(), "AddBnetEdit"));
    test::clickOn(edit);
    test::typeText(L"Arthas");
    ASSERT_TRUE(test::waitFor([edit] { return test::windowText(edit) == "Arthas"; }, 3000))
        << "shown: " << test::windowText(edit);
    test::clickOn(GetDlgItem(dialog, controlId(accountNameDialogLayout(), "AddBnetOK")));
    EXPECT_TRUE(test::waitFor([&] {
        HWND names = orvane.control("BnetName");
        return SendMessageW(names, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"Arthas")) >= 0;
    }, 5000));
}

// F8 puts back what the last Apply replaced, in the registry and in the
// field, and leaves the Apply before it alone.
TEST_F(TypingIntoOrvaneExe, F8UndoesTheLastApplyAndTheFieldShowsWhatIsStoredAgain)
{
    const auto stored = [this](std::string_view key, std::string_view name) {
        return game.registry()->openKey(std::string(key)).readString(name);
    };
    test::RunningOrvane orvane;
    const std::string nameBefore = stored(schema::StringKey, "userlocal");
    ASSERT_NE(nameBefore, "Thrall");
    HWND port = orvane.control("NetGP");
    retype(port, L"7000");
    test::clickOn(orvane.control("GAS"));
    HWND lanName = orvane.control("LANName");
    retype(lanName, L"Thrall");
    test::clickOn(orvane.control("MAS"));
    ASSERT_TRUE(test::waitFor([&] { return stored(schema::StringKey, "userlocal") == "Thrall"; }, 5000));

    test::clickOn(port);
    test::pressKey(VK_F8);
    EXPECT_TRUE(test::waitFor([&] { return stored(schema::StringKey, "userlocal") == nameBefore; }, 5000))
        << "stored: " << stored(schema::StringKey, "userlocal");
    EXPECT_TRUE(test::waitFor([&] { return test::windowText(lanName) == nameBefore; }, 3000))
        << "shown: " << test::windowText(lanName);
    EXPECT_EQ(test::windowText(port), "7000") << "only the last change is undone";
    EXPECT_EQ(game.registry()->openKey(std::string(schema::GameplayKey)).readInteger("netgameport"), 7000);
}

} // namespace
} // namespace orvane
