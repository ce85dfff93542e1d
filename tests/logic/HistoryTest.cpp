// The history of changes as the window makes them: each kind of change
// keeps exactly the values it replaces, and going back through the history
// gives back the settings as they were before any one of them.
#include "app/Restore.h"
#include "dialogs/AccountNameDialog.h"
#include "files/TextEncoding.h"
#include "files/Utf8Paths.h"
#include "tests/logic/OrvaneFixture.h"
#include "tests/support/Files.h"

#include <algorithm>
#include <random>
#include <sstream>

namespace orvane {
namespace {

RegValue dword(uint32_t n)
{
    return {REG_DWORD_TYPE, {uint8_t(n), uint8_t(n >> 8), uint8_t(n >> 16), uint8_t(n >> 24)}};
}

RegValue text(std::string_view utf8)
{
    std::u16string units = utf8ToUtf16(utf8);
    units.push_back(u'\0');
    return {REG_SZ_TYPE, utf16leBytes(units)};
}

// What a value's state was changed to when the change deleted it.
const std::optional<ValueState> Deleted = ValueState();
const std::string Game(schema::GameKey);
const std::string Video(schema::VideoKey);
const std::string Users(schema::BnetUsersKey);

class History : public test::OrvaneFixture {
protected:
    void SetUp() override
    {
        OrvaneFixture::SetUp();
        historyFolder = game.scratch() / "history";
    }
    std::vector<std::string> labels() const
    {
        std::vector<std::string> labels;
        for (const HistoryEntry& entry : state().history.entries())
            labels.push_back(entry.label);
        return labels;
    }
    std::vector<RegeditKey> entry(size_t number) const
    {
        const HistoryEntry listed = state().history.entries().at(number - 1);
        return parseRegeditFile(test::readFile(listed.file), "entry");
    }
    // The entry as a reader sees it, for the failure messages.
    std::string shown(size_t number) const
    {
        const std::string bytes = test::readFile(state().history.entries().at(number - 1).file);
        return utf16ToUtf8(utf16leUnits(std::vector<uint8_t>(bytes.begin() + 2, bytes.end())));
    }
    RestoreOutcome restore(size_t count)
    {
        RestoreOutcome outcome;
        state().commands.run([&] { outcome = restoreEntries(state(), count, "Restore"); });
        return outcome;
    }
    void addAccount(const std::string& name)
    {
        click("AddBnet");
        EditControl& edit = windows->accountName->window().edit("AddBnetEdit");
        edit.setText("");
        type(edit, name);
        click("AddBnetOK", &windows->accountName->window());
    }
    void loadConfiguration(const std::string& content)
    {
        const std::filesystem::path file = game.scratch() / "loaded.ini";
        test::writeFile(file, content);
        files.setNextFileName(displayPath(file));
        boxes.setNextAnswer(MessageAnswer::Yes);
        pressShortcut("Ctrl+L");
    }
    void cleanUp()
    {
        boxes.setNextAnswer(MessageAnswer::Yes);
        pressShortcut("F6");
    }
    // The game's and Orvane's values, each key's in the order of their
    // names, and whether Orvane's keys exist.
    std::string stored() const
    {
        std::istringstream lines(game.contents());
        std::string text;
        std::vector<std::string> values;
        const auto endKey = [&] {
            std::sort(values.begin(), values.end());
            for (const std::string& value : values)
                text += value + "\n";
            values.clear();
        };
        for (std::string line; std::getline(lines, line);) {
            if (line.starts_with('[')) {
                endKey();
                text += line + "\n";
            } else {
                values.push_back(line);
            }
        }
        endKey();
        auto registry = game.registry();
        return text + (registry->keyExists(schema::OrvaneKey) ? "own key\n" : "") +
               (registry->keyExists(schema::BnetUsersKey) ? "users key\n" : "");
    }
};

TEST_F(History, TheFirstStartKeepsThatItsValuesAndKeysWereNotThere)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(labels(), std::vector<std::string>{"Start"});
    EXPECT_EQ(entry(1), (std::vector<RegeditKey>{{Game, false, {{"Allow Local Files", std::nullopt, dword(0)}}},
                                                 {"Software\\Orvane", true, {}}}));
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(labels(), std::vector<std::string>{"Start"}); // the second start creates nothing
}

TEST_F(History, AnApplyKeepsTheValuesItChangedAndNoOthers)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    moveSlider("GammaTrackBar", 40);
    click("VAS");
    click("VAS"); // nothing left to change
    EXPECT_EQ(labels(), (std::vector<std::string>{"Apply Video", "Start"}));
    EXPECT_EQ(entry(1), (std::vector<RegeditKey>{{Video, false, {{"gamma", dword(25), dword(40)}}}}));
}

TEST_F(History, AutoApplyIsOneEntryUntilAnotherKindOfChange)
{
    game.edit([](RegistryAccess& registry) { registry.createKey(schema::OrvaneKey).writeBool("autoapply", true); });
    ASSERT_EQ(start(), StartOutcome::Running);
    moveSlider("GammaTrackBar", 30);
    moveSlider("GammaTrackBar", 50);
    addAccount("Grunt");
    moveSlider("GammaTrackBar", 60);
    EXPECT_EQ(labels(), (std::vector<std::string>{"Auto-apply", "Add Account Name", "Auto-apply", "Start"}));
    EXPECT_EQ(entry(3), (std::vector<RegeditKey>{{Video, false, {{"gamma", dword(25), dword(50)}}}}));
    EXPECT_EQ(entry(2), (std::vector<RegeditKey>{{Users, false, {{"BnetName1", std::nullopt, text("Grunt")}}}}));
    EXPECT_EQ(entry(1), (std::vector<RegeditKey>{{Video, false, {{"gamma", dword(50), dword(60)}}}}));
}

TEST_F(History, LoadingAConfigurationKeepsWhatTheFileChanged)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    loadConfiguration("[Video]\ngamma=61\nlights=1\n");
    EXPECT_EQ(labels(), (std::vector<std::string>{"Load Configuration", "Start"}));
    EXPECT_EQ(entry(1), (std::vector<RegeditKey>{{Video, false, {{"gamma", dword(25), dword(61)}}}}));
}

TEST_F(History, DeletingAnAccountNameKeepsIt)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    addAccount("Grunt");
    pick("BnetName", "Grunt");
    click("DelBnet");
    EXPECT_EQ(labels(), (std::vector<std::string>{"Delete Account Name", "Add Account Name", "Start"}));
    EXPECT_EQ(entry(1), (std::vector<RegeditKey>{{Users, false, {{"BnetName1", text("Grunt"), Deleted}}}})) << shown(1);
}

TEST_F(History, TheCleanupKeepsOrvanesKeysAndTheValueItDeleted)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    cleanUp();
    EXPECT_EQ(labels(), (std::vector<std::string>{"Registry Cleanup", "Start"}));
    EXPECT_EQ(
        entry(1),
        (std::vector<RegeditKey>{
            {"Software\\Orvane",
             false,
             {{"autoapply", dword(0), Deleted}, {"opengl", dword(0), Deleted}, {"startparams", text(""), Deleted}}},
            {Users, false, {{"BnetName0", text(""), Deleted}}},
            {Game, false, {{"Allow Local Files", dword(0), Deleted}}}}))
        << shown(1);
}

TEST_F(History, AHistoryThatCannotBeWrittenIsToldOnceAndTheChangeIsMade)
{
    test::writeFile(historyFolder, "a file where the folder should be");
    ASSERT_EQ(start(), StartOutcome::Running);
    moveSlider("GammaTrackBar", 40);
    click("VAS");
    EXPECT_EQ(test::integerIn(game, schema::VideoKey, "gamma"), 40);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].id, MessageId::HistoryNotKept);
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Warning);
}

// The window's way back: F8 undoes the last change, the restore dialog goes
// back before the one the player picks; the controls show what is stored.
TEST_F(History, TheWindowUndoesTheLastChangeAndRestoresAnEarlierOne)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    pressShortcut("F8");
    EXPECT_EQ(test::integerIn(game, schema::VideoKey, "gamma"), 25);
    moveSlider("GammaTrackBar", 40);
    click("VAS");
    moveSlider("KSTrackBar", 70);
    click("GAS");
    pressShortcut("F8");
    EXPECT_EQ(test::integerIn(game, schema::GameplayKey, "keyscroll"), 50);
    EXPECT_EQ(test::integerIn(game, schema::VideoKey, "gamma"), 40);
    EXPECT_EQ(slider("KSTrackBar").position(), 50);
    EXPECT_EQ(panel(1), "Back to before Apply Gameplay");
    EXPECT_NE(form().panelHint(1).find("Gameplay\\keyscroll: 70 -> 50"), std::string::npos)
        << form().panelHint(1);
    // The undoing is a change of its own, listed first.
    click("CMFileRestore");
    Window& dialog = windows->restore->window();
    ASSERT_TRUE(dialog.visible());
    const std::vector<std::string>& listed = dialog.list("HistoryList").items();
    ASSERT_EQ(listed.size(), 4u);
    EXPECT_NE(listed[0].find("   Undo Last Change   (1 value)"), std::string::npos) << listed[0];
    EXPECT_NE(listed[1].find("   Apply Gameplay   (1 value)"), std::string::npos) << listed[1];
    EXPECT_NE(listed[2].find("   Apply Video   (1 value)"), std::string::npos) << listed[2];
    EXPECT_EQ(dialog.list("HistoryList").selected(), 0);
    dialog.list("HistoryList").userHighlight(2);
    click("HistoryRestore", &dialog);
    EXPECT_FALSE(dialog.visible());
    EXPECT_TRUE(mainWindow().enabled());
    EXPECT_EQ(test::integerIn(game, schema::VideoKey, "gamma"), 25);
    EXPECT_EQ(test::integerIn(game, schema::GameplayKey, "keyscroll"), 50);
    EXPECT_EQ(slider("GammaTrackBar").position(), 25);
    EXPECT_EQ(panel(1), "Back to before Apply Video");
    EXPECT_EQ(labels().front(), "Restore Earlier Settings");
}

TEST_F(History, NothingToUndoIsSaidAndNothingChanges)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    std::filesystem::remove_all(historyFolder);
    const std::string before = stored();
    pressShortcut("F8");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].id, MessageId::NothingToUndo);
    EXPECT_EQ(stored(), before);
}

// Random changes of every kind; going back to before each one in turn
// gives back what was stored then, and undoing that restore what was
// stored at the end. Keys of other programs stay as they were.
TEST_F(History, RestoringGoesBackToJustBeforeEachChange)
{
    game.edit([](RegistryAccess& registry) { registry.createKey("Software\\Elsewhere").writeInteger("kept", 7); });
    for (const unsigned seed : {1u, 2u, 3u}) {
        std::mt19937 random(seed);
        const std::string pristine = stored();
        ASSERT_EQ(start(), StartOutcome::Running);
        ASSERT_EQ(labels(), std::vector<std::string>{"Start"});
        std::vector<std::string> before{pristine}; // before each change that made an entry, oldest first
        for (int step = 0; step < 10; ++step) {
            const std::string now = stored();
            const size_t entries = labels().size();
            switch (random() % 5) {
            case 0:
                moveSlider("GammaTrackBar", 1 + static_cast<int>(random() % 100));
                moveSlider("KSTrackBar", 1 + static_cast<int>(random() % 100));
                click(random() % 2 ? "VAS" : "GAS");
                break;
            case 1:
                loadConfiguration("[Video]\ngamma=" + std::to_string(1 + random() % 100) +
                                  "\n[Gameplay]\nkeyscroll=" + std::to_string(1 + random() % 100) +
                                  "\n[Bnet Accounts]\nBnetName0=Loaded" + std::to_string(random() % 3) + "\n");
                break;
            case 2: addAccount("Name" + std::to_string(random() % 5)); break;
            case 3: click("DelBnet"); break;
            case 4: cleanUp(); break;
            }
            if (labels().size() > entries)
                before.push_back(now);
        }
        const std::string end = stored();
        for (size_t change = 1; change <= before.size(); ++change) {
            // Each earlier round added a restore and its undoing above the changes.
            restore(change + 2 * (change - 1));
            EXPECT_EQ(stored(), before[before.size() - change]) << "seed " << seed << ", change " << change;
            restore(1);
            EXPECT_EQ(stored(), end) << "seed " << seed << ", change " << change;
        }
        EXPECT_EQ(test::integerIn(game, "Software\\Elsewhere", "kept"), 7);
        windows.reset();
        context.reset();
        game.edit([](RegistryAccess& registry) {
            registry.deleteKey(schema::OrvaneKey);
            registry.openKey(schema::GameKey).deleteValue(schema::AllowLocalFiles);
        });
        std::filesystem::remove_all(historyFolder);
    }
}

} // namespace
} // namespace orvane
