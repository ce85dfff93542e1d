// Saving and loading configuration files as a player does, with the files
// and the registry read back.
#include "files/Utf8Paths.h"
#include "tests/logic/OrvaneFixture.h"
#include "tests/support/Files.h"

#include <algorithm>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

namespace orvane {
namespace {

using test::readFile;
using test::writeFile;

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    for (size_t at = 0; at < text.size();) {
        const size_t end = std::min(text.find('\n', at), text.size());
        lines.push_back(text.substr(at, end - at)); // a line keeps its carriage return
        at = end + 1;
    }
    return lines;
}

// Each expected line stands in the text, in this order and to the byte; a
// setting added since may add lines of its own between them.
::testing::AssertionResult holdsInOrder(const std::string& text, const std::string& expected)
{
    const std::vector<std::string> lines = linesOf(text);
    auto at = lines.begin();
    for (const std::string& line : linesOf(expected)) {
        at = std::find(at, lines.end(), line);
        if (at == lines.end())
            return ::testing::AssertionFailure() << "missing or out of order: " << line << "\nin:\n" << text;
        ++at;
    }
    return ::testing::AssertionSuccess();
}

class ConfigFile : public test::OrvaneFixture {
protected:
    void SetUp() override
    {
        OrvaneFixture::SetUp();
        file = game.scratch() / "Mein Spiel.ini";
    }
    void save(const std::filesystem::path& target)
    {
        files.setNextFileName(displayPath(target));
        pressShortcut("Ctrl+S");
    }
    // Loads the file and answers the question.
    void load(const std::filesystem::path& source, MessageAnswer answer = MessageAnswer::No)
    {
        files.setNextFileName(displayPath(source));
        boxes.setNextAnswer(answer);
        pressShortcut("Ctrl+L");
    }
    void storeAccounts(const std::vector<std::string>& names) const
    {
        game.edit([&](RegistryAccess& registry) {
            RegistryKey key = registry.createKey(schema::BnetUsersKey);
            for (size_t i = 0; i < names.size(); ++i)
                key.writeString("BnetName" + std::to_string(i), names[i]);
        });
    }
    int questions() const
    {
        int count = 0;
        for (const auto& box : boxes.shown)
            count += box.caption == "Save to Registry?";
        return count;
    }

    std::filesystem::path file;
};

TEST_F(ConfigFile, AValueWithALineBreakIsNamedAndNoFileIsWritten)
{
    game.edit([](RegistryAccess& registry) {
        RegistryKey key = registry.createKey(schema::OrvaneKey);
        key.writeString("startparams", "-window\r\n[Video]\r\ngamma=99");
    });
    ASSERT_EQ(start(), StartOutcome::Running);
    save(file);
    ASSERT_EQ(errorTexts().size(), 1u);
    EXPECT_NE(errorTexts()[0].find("\"startparams\""), std::string::npos) << errorTexts()[0];
    EXPECT_FALSE(std::filesystem::exists(file));
    writeFile(file, "[Video]\r\ngamma=30\r\n");
    save(file);
    EXPECT_EQ(readFile(file), "[Video]\r\ngamma=30\r\n");
}

TEST_F(ConfigFile, SavingWritesTheRecordKeyByKeyAndTheAccounts)
{
    storeAccounts({"Alpha", "Beta"});
    ASSERT_EQ(start(), StartOutcome::Running);
    moveSlider("GammaTrackBar", 33); // not applied: the file holds what the window shows
    save(file);
    ASSERT_EQ(files.shown.size(), 1u);
    EXPECT_EQ(files.shown[0], (FileDialogRequest{FileDialogRequest::Purpose::Save, "SaveConfigDlg",
                                                 "Choose a name or a file for the new Configuration",
                                                 "Orvane Configuration (*.ini)", "*.ini", "ini", ""}));
    const std::string text = readFile(file);
    EXPECT_TRUE(text.starts_with("[Gameplay]\r\n"));
    EXPECT_TRUE(holdsInOrder(text, "[Gameplay]\r\nkeyscroll=50\r\nmousescroll=50\r\nmousescrolldisable=0\r\n"
                                   "netgameport=6112\r\ntooltips=1\r\n\r\n[Video]\r\ngamma=33\r\nunitshadows=1\r\n"
                                   "opengl=0\r\n\r\n[Sound]\r\nsubtitles=0\r\nunits=1\r\n\r\n[DelOpt0]\r\nsavpath=" +
                                       game.installPath() + "\\save\r\n"
                                   "\r\n[Misc]\r\ncampaignprofile=Player\r\nseenintromovie=1\r\nAllow Local Files=0\r\n"
                                   "startparams=\r\n\r\n[String]\r\nuserbnet=\r\nuserlocal=Player\r\n\r\n"
                                   "[Bnet Accounts]\r\nBnetName0=\r\nBnetName1=Alpha\r\nBnetName2=Beta\r\n\r\n"));
    EXPECT_TRUE(text.ends_with("\r\n[Bnet Accounts]\r\nBnetName0=\r\nBnetName1=Alpha\r\nBnetName2=Beta\r\n\r\n"));
    EXPECT_EQ(integerIn(game, schema::VideoKey, "gamma"), 25); // saving writes no registry value
}

TEST_F(ConfigFile, SavingTwiceGivesTheSameBytesAndTouchesNothingElse)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    const std::string registry = game.contents();
    save(file);
    const std::string first = readFile(file);
    save(file);
    EXPECT_EQ(readFile(file), first);
    EXPECT_EQ(files.shown[1].fileName, displayPath(file)); // the dialog keeps the last name
    EXPECT_EQ(game.contents(), registry);
    EXPECT_EQ(panel(1), "No changes have been made!");
    EXPECT_EQ(panel(2), "No configuration loaded!");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ConfigFile, SavingOverAFileKeepsWhatItDoesNotSetAndLoadingBringsOldAccountsBack)
{
    writeFile(file, "; my notes\n[Bnet Accounts]\nBnetName0=a\nBnetName1=b\nBnetName2=c\nBnetName3=Dora\n"
                     "BnetName4=Emil\n[Extra]\nmine = kept\n");
    storeAccounts({"Alpha", "Beta"}); // with the empty current name, three accounts
    ASSERT_EQ(start(), StartOutcome::Running);
    save(file);
    const std::string text = readFile(file);
    EXPECT_EQ(text.find("my notes"), std::string::npos);
    EXPECT_NE(text.find("[Bnet Accounts]\r\nBnetName0=\r\nBnetName1=Alpha\r\nBnetName2=Beta\r\nBnetName3=Dora\r\n"
                        "BnetName4=Emil\r\n\r\n[Extra]\r\nmine=kept\r\n"),
              std::string::npos);
    load(file);
    EXPECT_EQ(form().accounts().names(), (std::vector<std::string>{"", "Alpha", "Beta", "Dora", "Emil"}));
}

TEST_F(ConfigFile, CancellingTheSaveWritesNothing)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    files.setNextCancel();
    pressShortcut("Ctrl+S");
    EXPECT_TRUE(std::filesystem::is_empty(game.scratch()));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ConfigFile, AFileThatIsNoTextIsNeitherOverwrittenNorLoaded)
{
    const std::string binary("W3do\0\x01\x02\x03[Video]\ngamma=99\n", 24);
    writeFile(file, binary);
    ASSERT_EQ(start(), StartOutcome::Running);
    save(file);
    ASSERT_EQ(errorTexts().size(), 1u);
    EXPECT_NE(errorTexts()[0].find("is not an Orvane configuration"), std::string::npos);
    EXPECT_NE(errorTexts()[0].find(displayPath(file)), std::string::npos);
    EXPECT_EQ(readFile(file), binary);
    load(file);
    EXPECT_EQ(errorTexts().size(), 2u);
    EXPECT_EQ(questions(), 0);
    EXPECT_EQ(state().settings.gamma, 25);
    EXPECT_EQ(panel(2), "No configuration loaded!");
}

TEST_F(ConfigFile, AFolderThatDoesNotExistGivesTheCreateErrorAndNoFile)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    const std::filesystem::path nowhere = game.scratch() / "missing folder" / "x.ini";
    save(nowhere);
    EXPECT_EQ(errorTexts(), std::vector<std::string>{"Datei " + displayPath(nowhere) + " kann nicht erstellt werden."});
    EXPECT_FALSE(std::filesystem::exists(nowhere.parent_path()));
}

TEST_F(ConfigFile, LoadingTakesTheFilesValuesOverAFreshReloadAndAsksBeforeWriting)
{
    writeFile(file, "[Video]\ngamma=70\n");
    ASSERT_EQ(start(), StartOutcome::Running);
    moveSlider("SFXTrackBar", 10); // unapplied, and lost by the load's reload
    load(file, MessageAnswer::No);
    ASSERT_EQ(questions(), 1);
    EXPECT_EQ(boxes.shown.back(), (MessageBoxRequest{MessageId::SaveLoadedConfiguration, "Save to Registry?",
                                                     "Do you want to save the loaded configuration to Registry?",
                                                     MessageIcon::Question, MessageButtons::YesNo}));
    EXPECT_EQ(files.shown.back().title, "Select a Configuration to load");
    EXPECT_EQ(files.shown.back().purpose, FileDialogRequest::Purpose::Open);
    EXPECT_EQ(state().settings.gamma, 70);
    EXPECT_EQ(slider("GammaTrackBar").position(), 70);
    EXPECT_EQ(state().settings.sfxvolume, 100);
    EXPECT_EQ(panel(2), displayPath(file));
    EXPECT_EQ(panel(1), "No changes have been made!");
    EXPECT_EQ(integerIn(game, schema::VideoKey, "gamma"), 25); // No keeps the registry
    click("CMFileReloadCFG");
    EXPECT_EQ(panel(2), "No configuration loaded!");
}

TEST_F(ConfigFile, PortsOutsideTheGamesRangeLoadAsTheDefault)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    for (const auto& [stored, loaded] : std::vector<std::pair<int, int>>{{1023, 6112}, {1024, 1024}, {49151, 49151}, {49152, 6112}}) {
        writeFile(file, "[Gameplay]\nnetgameport=" + std::to_string(stored) + "\n");
        load(file);
        EXPECT_EQ(state().settings.netgameport, loaded) << stored;
        EXPECT_EQ(edit("NetGP").text(), std::to_string(loaded));
    }
}

TEST_F(ConfigFile, ARefreshRateTheDisplayCannotReachLoadsAsSixty)
{
    display.offered = {{1024, 768, 32, 60}, {1024, 768, 32, 85}};
    ASSERT_EQ(start(), StartOutcome::Running);
    writeFile(file, "[Video]\nreswidth=1024\nresheight=768\ncolordepth=32\nrefreshrate=100\n");
    load(file);
    EXPECT_EQ(state().settings.refreshrate, 60);
    writeFile(file, "[Video]\nreswidth=1024\nresheight=768\ncolordepth=32\nrefreshrate=85\n");
    load(file);
    EXPECT_EQ(state().settings.refreshrate, 85);
}

TEST_F(ConfigFile, KeysAndValuesAsTheFileSpellsThem)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    writeFile(file, "[sound]\nUnits=0\nunit=1\n[Video]\nopengl=2\n[DelOpt0]\nsavpath=\n[String]\nuserlocal=a=b\n");
    load(file);
    const SettingsSnapshot& record = state().settings;
    EXPECT_EQ(record.unit, 0);
    EXPECT_TRUE(record.opengl);
    EXPECT_EQ(record.savpath, "");
    EXPECT_EQ(record.reppath, game.installPath() + "\\replay"); // missing: the registry's
    EXPECT_EQ(record.userlocal, "a=b");
    writeFile(file, "[Video]\nopengl=word\n");
    load(file);
    EXPECT_FALSE(record.opengl); // the reload's value kept
    writeFile(file, "[Video]\nopengl=0\n");
    load(file);
    EXPECT_FALSE(record.opengl);
}

TEST_F(ConfigFile, NewAccountNamesAreStoredAtOnceWhateverTheAnswer)
{
    storeAccounts({"Alpha"});
    ASSERT_EQ(start(), StartOutcome::Running);
    writeFile(file, "[Bnet Accounts]\nBnetName0=ALPHA\nBnetName1=Zed\nno equals sign\n");
    load(file, MessageAnswer::No);
    EXPECT_EQ(form().accounts().names(), (std::vector<std::string>{"", "Alpha", "Zed"}));
    EXPECT_EQ(namesIn(game, schema::BnetUsersKey).size(), 3u);
    EXPECT_EQ(textIn(game, schema::BnetUsersKey, "BnetName2"), "Zed");
}

TEST_F(ConfigFile, YesWritesEveryValueWithoutThePortCheckAndWithTheLaunchOptions)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    writeFile(file, "[DelOpt0]\nsavpath=D:\\Saves\n[DelOpt2]\nlogpath=D:\\Logs\n[Misc]\nstartparams= -window\n"
                     "[Gameplay]\nkeyscroll=77\n");
    load(file, MessageAnswer::Yes);
    for (const char* name : {"Path0", "Path1", "Path2"})
        EXPECT_EQ(textIn(game, std::string(schema::GameKey) + "\\DelOpt0", name), "D:\\Saves") << name;
    for (const char* name : {"Path0", "Path1", "Path2", "Path3"})
        EXPECT_EQ(textIn(game, std::string(schema::GameKey) + "\\DelOpt2", name), "D:\\Logs") << name;
    EXPECT_EQ(textIn(game, schema::OrvaneKey, "startparams"), "-window");
    EXPECT_EQ(integerIn(game, schema::GameplayKey, "keyscroll"), 77);
    EXPECT_EQ(state().settings.startparams, "-window");
}

TEST_F(ConfigFile, ASaveLoadsBackAsTheSameRecord)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    click("OGLCB");
    moveSlider("MusicTrackBar", 42);
    pick("ResCB", "1280x1024");
    save(file);
    const SettingsSnapshot saved = state().settings;
    click("CMFileReloadCFG");
    ASSERT_NE(state().settings, saved);
    load(file);
    EXPECT_EQ(state().settings, saved);
}

TEST_F(ConfigFile, CancellingTheLoadLeavesTheReloadAndAsksNothing)
{
    game.setInteger(schema::GameplayKey, "netgameport", 80);
    ASSERT_EQ(start(), StartOutcome::Running);
    files.setNextCancel();
    pressShortcut("Ctrl+L");
    EXPECT_EQ(questions(), 0);
    EXPECT_EQ(state().settings.netgameport, 6112); // the check ran on the reload
    EXPECT_EQ(integerIn(game, schema::GameplayKey, "netgameport"), 80);
}

TEST_F(ConfigFile, AReloadThatFailsEndsTheLoadBeforeTheDialog)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    game.edit([](RegistryAccess& registry) { registry.deleteKey(std::string(schema::SoundKey)); });
    pressShortcut("Ctrl+L");
    EXPECT_EQ(errorTexts(), std::vector<std::string>{"Fehler beim Holen der Daten für 'ambient'"});
    EXPECT_TRUE(files.shown.empty());
    EXPECT_FALSE(form().changeDetectionOn());
}

TEST_F(ConfigFile, AWriteBackStoppingAtAMissingKeyKeepsWhatWasWrittenAndPresentsNothing)
{
    // A missing folder key reads as an empty folder, but cannot be written.
    game.edit([](RegistryAccess& registry) { registry.deleteKey(std::string(schema::GameKey) + "\\DelOpt1"); });
    ASSERT_EQ(start(), StartOutcome::Running);
    writeFile(file, "[Video]\ngamma=70\n[DelOpt0]\nsavpath=D:\\Saves\n");
    load(file, MessageAnswer::Yes);
    EXPECT_EQ(errorTexts(), std::vector<std::string>{"Fehler beim Setzen der Daten für 'Path0'"});
    EXPECT_EQ(integerIn(game, schema::VideoKey, "gamma"), 70); // written before the failure
    EXPECT_EQ(textIn(game, std::string(schema::GameKey) + "\\DelOpt0", "Path2"), "D:\\Saves");
    EXPECT_EQ(state().settings.gamma, 70);
    EXPECT_EQ(slider("GammaTrackBar").position(), 25); // the presentation did not run
}

TEST_F(ConfigFile, LongLinesDuplicatesAndALargeFileLoad)
{
    std::string text = "[Video]\ngamma=10\n[Video]\ngamma=20\ngamma=30\n[Misc]\ncampaignprofile=" +
                       std::string(1 << 20, 'x') + "\n[Noise]\n";
    while (text.size() < (50u << 20))
        text += "key" + std::to_string(text.size()) + "=some value that nobody reads\n";
    writeFile(file, text);
    ASSERT_EQ(start(), StartOutcome::Running);
    load(file);
    EXPECT_EQ(state().settings.gamma, 30);
    // No profile of that name to select, and still the file's.
    EXPECT_EQ(state().settings.campaignprofile, std::string(1 << 20, 'x'));
    EXPECT_TRUE(errorTexts().empty());
}

// The file in tests/data was saved by Orvane on Linux; the same test runs in
// the Windows build, so both save its lines to the same bytes and load it alike.
TEST_F(ConfigFile, AFileSavedOnOneSystemLoadsTheSameOnTheOther)
{
    const std::filesystem::path shared = pathOf(ORVANE_TEST_DATA "/saved-on-linux.ini");
    game.edit([](RegistryAccess& registry) {
        RegistryKey key = registry.openKey(schema::StringKey);
        key.writeString("userbnet", "J\xC3\xBCrgen");
    });
    ASSERT_EQ(start(), StartOutcome::Running);
    for (const char* field : {"PS", "PR", "PL", "PE"})
        retype(field, std::string("D:\\Spiele\\") + field + " \xE6\xBC\xA2");
    retype("LANName", "Zo\xC3\xAB & \"Co\"");
    moveSlider("GammaTrackBar", 61);
    const std::filesystem::path again = game.scratch() / "again.ini";
    save(again);
    EXPECT_TRUE(holdsInOrder(readFile(again), readFile(shared)));
    click("CMFileReloadCFG");
    load(shared);
    const SettingsSnapshot& record = state().settings;
    EXPECT_EQ(record.userlocal, "Zo\xC3\xAB & \"Co\"");
    EXPECT_EQ(record.userbnet, "J\xC3\xBCrgen");
    EXPECT_EQ(record.logpath, "D:\\Spiele\\PL \xE6\xBC\xA2");
    EXPECT_EQ(record.gamma, 61);
}

TEST_F(ConfigFile, AFolderChosenAsTheFileCannotBeOpenedAndNothingIsLoaded)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    const std::filesystem::path folder = game.scratch() / "a folder.ini";
    std::filesystem::create_directories(folder);
    load(folder);
    EXPECT_EQ(errorTexts(), std::vector<std::string>{"Datei " + displayPath(folder) + " kann nicht geöffnet werden."});
    EXPECT_EQ(questions(), 0);
    EXPECT_EQ(panel(2), "No configuration loaded!");
}

TEST_F(ConfigFile, AFileNamingFoldersThatDoNotExistLoadsWithoutProfiles)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    writeFile(file, "[DelOpt0]\nsavpath=Q:\\Nowhere\\save\n[Misc]\ncampaignprofile=Player\n");
    load(file);
    EXPECT_TRUE(errorTexts().empty());
    EXPECT_EQ(list("CPCombo").count(), 0);
    EXPECT_EQ(edit("PS").text(), "Q:\\Nowhere\\save");
}

#ifndef _WIN32
TEST_F(ConfigFile, AFullDiskDuringTheSaveLeavesTheOldFileWhole)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    const std::string old = "[Old]\nkept=" + std::string(4000, 'x') + "\n";
    writeFile(file, old);
    // The disk is "full" after 100 bytes: the real write system call fails.
    struct rlimit limit {};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const struct rlimit previous = limit;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = 100;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    save(file);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(errorTexts(), std::vector<std::string>{"Datei " + displayPath(file) + " kann nicht erstellt werden."});
    EXPECT_EQ(readFile(file), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(game.scratch()), {}), 1); // no temporary left
}
#endif

} // namespace
} // namespace orvane
