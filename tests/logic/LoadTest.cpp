// Loading the settings at start and on F5: what is created, what the window
// shows, and where a failing read leaves the program.
#include "files/Errors.h"
#include "tests/logic/OrvaneFixture.h"

#ifndef _WIN32
#include "tests/support/FakeWineserver.h"
#include "tests/support/Files.h"

#include <sys/stat.h>
#endif


namespace orvane {
namespace {

const std::string Game(schema::GameKey);

class Load : public test::OrvaneFixture {
protected:
    void expectDesignTimeControls()
    {
        EXPECT_EQ(slider("MSTrackBar").position(), 1);
        EXPECT_EQ(list("ResCB").selected(), -1);
        EXPECT_EQ(edit("NetGP").text(), "");
        EXPECT_FALSE(check("TTCB").checked());
        EXPECT_EQ(panel(1), "No configuration loaded!");
        EXPECT_EQ(panel(2), "No configuration loaded!");
        EXPECT_FALSE(form().changeDetectionOn());
    }
};

TEST_F(Load, FirstRunCreatesOrvanesOwnValuesAndFillsTheWindow)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_TRUE(boxes.shown.empty());
    auto registry = game.registry();
    RegistryKey key = registry->openKey(Game);
    EXPECT_EQ(key.readInteger("Allow Local Files"), 0);
    key = registry->openKey("Software\\Orvane");
    EXPECT_EQ(key.readInteger("autoapply"), 0);
    EXPECT_EQ(key.readInteger("opengl"), 0);
    EXPECT_TRUE(key.hasValue("startparams"));
    EXPECT_EQ(key.readString("startparams"), "");
    key = registry->openKey("Software\\Orvane\\BnetUsers");
    std::vector<std::string> names = key.valueNames();
    EXPECT_EQ(names, std::vector<std::string>{"BnetName0"});
    EXPECT_EQ(key.readString("BnetName0"), "");
    EXPECT_TRUE(control("CMRegCleanUp").enabledByProgram());

    // The game's defaults.
    EXPECT_EQ(slider("MSTrackBar").position(), 50);
    EXPECT_EQ(slider("KSTrackBar").position(), 50);
    EXPECT_EQ(slider("GammaTrackBar").position(), 25);
    EXPECT_EQ(slider("SFXTrackBar").position(), 100);
    EXPECT_EQ(slider("MusicTrackBar").position(), 80);
    EXPECT_EQ(edit("NetGP").text(), "6112");
    EXPECT_EQ(list("ResCB").text(), "800x600");
    EXPECT_EQ(list("CDCombo").text(), "16 Bit");
    EXPECT_EQ(list("SndSysCombo").text(), "Miles Emulated 3D");
    EXPECT_EQ(list("AQCombo").text(), "Middle");
    EXPECT_TRUE(check("MSCB").checked());   // mousescrolldisable 0
    EXPECT_TRUE(check("MidiCB").checked());  // nomidi 0
    EXPECT_FALSE(check("IMCB").checked());  // seenintromovie 1
    EXPECT_FALSE(check("STCB").checked());
    EXPECT_TRUE(check("TTCB").checked());
    EXPECT_EQ(edit("LANName").text(), "Player");
    EXPECT_EQ(edit("PL").text(), game.installPath() + "\\Logs");
    EXPECT_EQ(list("BnetName").count(), 1);
    EXPECT_EQ(list("BnetName").selected(), 0);
    EXPECT_EQ(panel(1), "No changes have been made!");
    EXPECT_EQ(panel(2), "No configuration loaded!");
    EXPECT_TRUE(form().changeDetectionOn());
}

TEST_F(Load, ASecondLoadCreatesNothingAndDiscardsUnappliedChanges)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    const std::string afterFirstLoad = game.contents();
    control("CMRegCleanUp").setEnabled(false);
    moveSlider("GammaTrackBar", 90);
    retype("LANName", "Somebody");
    click("CMFileReloadCFG");
    EXPECT_EQ(game.contents(), afterFirstLoad);
    EXPECT_FALSE(control("CMRegCleanUp").enabledByProgram());
    EXPECT_EQ(slider("GammaTrackBar").position(), 25);
    EXPECT_EQ(edit("LANName").text(), "Player");
    EXPECT_EQ(panel(1), "No changes have been made!");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Load, AMissingIntegerStopsTheLoadWhereItFailed)
{
    game.edit([](RegistryAccess& registry) {
        RegistryKey key = registry.openKey(schema::MiscKey);
        key.deleteValue("seenintromovie");
    });
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(errorTexts(), std::vector<std::string>{"Fehler beim Holen der Daten für 'seenintromovie'"});
    const SettingsSnapshot& record = state().settings;
    EXPECT_EQ(record.savpath, game.installPath() + "\\save");
    EXPECT_EQ(record.errpath, game.installPath() + "\\Errors");
    EXPECT_EQ(record.keyscroll, 50);
    EXPECT_EQ(record.netgameport, 6112);
    EXPECT_EQ(record.campaignprofile, "Player");
    EXPECT_EQ(record.sfxvolume, 0); // Sound comes after Misc
    EXPECT_EQ(record.gamma, 0);
    EXPECT_TRUE(form().accounts().names().empty());
    expectDesignTimeControls();
    // What the load had created stays created.
    EXPECT_TRUE(game.registry()->keyExists("Software\\Orvane\\BnetUsers"));
}

TEST_F(Load, AGameThatNeverWroteItsSettingsFailsAtKeyscroll)
{
    game.edit([](RegistryAccess& registry) {
        for (std::string_view key : schema::settingsKeys())
            if (key.starts_with(std::string(schema::GameKey) + "\\"))
                registry.deleteKey(std::string(key));
    });
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(errorTexts(), std::vector<std::string>{"Fehler beim Holen der Daten für 'keyscroll'"});
    expectDesignTimeControls();
}

TEST_F(Load, AValueOfTheWrongTypeIsNamed)
{
    game.edit([](RegistryAccess& registry) {
        RegistryKey key = registry.openKey(schema::VideoKey);
        key.writeString("gamma", "25");
    });
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(errorTexts(), std::vector<std::string>{"Ungültiger Datentyp für 'gamma'"});
    EXPECT_EQ(state().settings.sfxvolume, 100);
    EXPECT_EQ(state().settings.colordepth, 16);
    EXPECT_EQ(state().settings.reswidth, 0);
    expectDesignTimeControls();
}

TEST_F(Load, AutoapplyStoredAsTextEndsTheLoadBeforeAnyGameValue)
{
    game.edit([](RegistryAccess& registry) {
        RegistryKey key = registry.createKey(schema::OrvaneKey);
        key.writeString("autoapply", "1");
    });
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(errorTexts(), std::vector<std::string>{"Ungültiger Datentyp für 'autoapply'"});
    EXPECT_EQ(state().settings.keyscroll, 0);
    EXPECT_EQ(state().settings.AllowLocalFiles, 0);
    expectDesignTimeControls();
}

TEST_F(Load, AMissingFolderKeyGivesAnEmptyFolder)
{
    game.edit([](RegistryAccess& registry) { registry.deleteKey(std::string(schema::GameKey) + "\\DelOpt2"); });
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(state().settings.logpath, "");
    EXPECT_EQ(edit("PL").text(), "");
}

TEST_F(Load, NosoundwarnIsNeverReadNorWrittenBlind)
{
    game.setInteger(schema::SoundKey, "nosoundwarn", 1);
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(state().settings.nosoundwarn, 0);
    click("SAS");
    EXPECT_EQ(test::integerIn(game, schema::SoundKey, "nosoundwarn"), 1);
}

// A reload that fails midway has read what it read as stored: those values
// are no change of the player's, so an Apply keeps what is stored since.
TEST_F(Load, WhatAFailedReloadReadCountsAsStored)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    game.setInteger(schema::GameplayKey, "keyscroll", 77);
    game.edit([](RegistryAccess& registry) { registry.openKey(schema::MiscKey).deleteValue("seenintromovie"); });
    pressShortcut("F5");
    ASSERT_EQ(errorTexts(), std::vector<std::string>{"Fehler beim Holen der Daten für 'seenintromovie'"});
    ASSERT_EQ(state().settings.keyscroll, 77);
    game.setInteger(schema::GameplayKey, "keyscroll", 11);
    game.setInteger(schema::GameplayKey, "tooltips", 0);
    click("GAS");
    EXPECT_EQ(test::integerIn(game, schema::GameplayKey, "keyscroll"), 11);
    EXPECT_EQ(test::integerIn(game, schema::GameplayKey, "tooltips"), 0);
}

TEST_F(Load, AReloadReadsWhatWineWroteMeanwhile)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    game.setInteger(schema::GameplayKey, "keyscroll", 77);
    pressShortcut("F5");
    EXPECT_EQ(slider("KSTrackBar").position(), 77);
}

#ifndef _WIN32
TEST_F(Load, ASecondStartOnASetUpPrefixWritesNothing)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    windows.reset();
    struct stat before {};
    ::stat((game.prefix() / "user.reg").c_str(), &before);
    ASSERT_EQ(start(), StartOutcome::Running);
    pressShortcut("F5");
    struct stat after {};
    ::stat((game.prefix() / "user.reg").c_str(), &after);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_size, before.st_size);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
}

TEST_F(Load, WhileTheGameRunsOrvaneStartsAndShowsAndOnlyApplyingIsRefused)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    windows.reset();
    const std::string before = test::readFile(game.prefix() / "user.reg");
    test::FakeWineserver server(game.prefix());

    ASSERT_EQ(start(), StartOutcome::Running);
    pressShortcut("F5");
    EXPECT_TRUE(errorTexts().empty());
    EXPECT_TRUE(form().changeDetectionOn());

    moveSlider("KSTrackBar", 10);
    click("GAS");
    ASSERT_EQ(errorTexts().size(), 1u);
    EXPECT_NE(errorTexts()[0].find("wineserver -k"), std::string::npos) << errorTexts()[0];
    EXPECT_EQ(test::readFile(game.prefix() / "user.reg"), before);
}
#endif

} // namespace
} // namespace orvane
