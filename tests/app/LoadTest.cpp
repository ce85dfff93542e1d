// Loading the settings at start and on F5: what is created, what the window
// shows, and where a failing read leaves the program.
#include "settings/Errors.h"
#include "tests/app/OrvaneFixture.h"

#include <QTest>

namespace orvane {
namespace {

const std::string Game(schema::GameKey);

class Load : public test::OrvaneFixture {
protected:
    void expectDesignTimeControls()
    {
        EXPECT_EQ(control<QSlider>("MSTrackBar")->value(), 1);
        EXPECT_EQ(control<QComboBox>("ResCB")->currentIndex(), -1);
        EXPECT_EQ(control<QLineEdit>("NetGP")->text(), "");
        EXPECT_FALSE(control<QCheckBox>("TTCB")->isChecked());
        EXPECT_EQ(panel(1), "No configuration loaded!");
        EXPECT_EQ(panel(2), "No configuration loaded!");
        EXPECT_FALSE(programState().ControlsFilled);
    }
};

TEST_F(Load, FirstRunCreatesOrvanesOwnValuesAndFillsTheWindow)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_TRUE(boxes.shown.empty());
    auto registry = reread();
    registry->OpenKey(Game, false);
    EXPECT_EQ(registry->ReadInteger("Allow Local Files"), 0);
    registry->OpenKey("Software\\Orvane", false);
    EXPECT_EQ(registry->ReadInteger("autoapply"), 0);
    EXPECT_EQ(registry->ReadInteger("opengl"), 0);
    EXPECT_TRUE(registry->ValueExists("startparams"));
    EXPECT_EQ(registry->ReadString("startparams"), "");
    registry->OpenKey("Software\\Orvane\\BnetUsers", false);
    std::vector<std::string> names;
    registry->GetValueNames(names);
    EXPECT_EQ(names, std::vector<std::string>{"BnetName0"});
    EXPECT_EQ(registry->ReadString("BnetName0"), "");
    EXPECT_TRUE(action("CMRegCleanUp")->isEnabled());

    // The demo prefix holds the game's defaults.
    EXPECT_EQ(control<QSlider>("MSTrackBar")->value(), 50);
    EXPECT_EQ(control<QSlider>("KSTrackBar")->value(), 50);
    EXPECT_EQ(control<QSlider>("GammaTrackBar")->value(), 25);
    EXPECT_EQ(control<QSlider>("SFXTrackBar")->value(), 100);
    EXPECT_EQ(control<QSlider>("MusicTrackBar")->value(), 80);
    EXPECT_EQ(control<QLineEdit>("NetGP")->text(), "6112");
    EXPECT_EQ(control<QComboBox>("ResCB")->currentText(), "800x600");
    EXPECT_EQ(control<QComboBox>("CDCombo")->currentText(), "16 Bit");
    EXPECT_EQ(control<QComboBox>("SndSysCombo")->currentText(), "Miles Emulated 3D");
    EXPECT_EQ(control<QComboBox>("AQCombo")->currentText(), "Middle");
    EXPECT_TRUE(control<QCheckBox>("MSCB")->isChecked());   // mousescrolldisable 0
    EXPECT_TRUE(control<QCheckBox>("MidiCB")->isChecked());  // nomidi 0
    EXPECT_FALSE(control<QCheckBox>("IMCB")->isChecked());  // seenintromovie 1
    EXPECT_FALSE(control<QCheckBox>("STCB")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("TTCB")->isChecked());
    EXPECT_EQ(control<QLineEdit>("LANName")->text(), "Player");
    EXPECT_EQ(control<QLineEdit>("PL")->text(), "C:\\Program Files\\Warcraft III\\Logs");
    EXPECT_EQ(control<QComboBox>("BnetName")->count(), 1);
    EXPECT_EQ(control<QComboBox>("BnetName")->currentIndex(), 0);
    EXPECT_EQ(panel(1), "No changes have been made!");
    EXPECT_EQ(panel(2), "No configuration loaded!");
    EXPECT_TRUE(programState().ControlsFilled);
}

TEST_F(Load, ASecondLoadCreatesNothingAndDiscardsUnappliedChanges)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    const std::string afterFirstLoad = prefix.readUserReg();
    action("CMRegCleanUp")->setEnabled(false);
    control<QSlider>("GammaTrackBar")->setValue(90);
    control<QLineEdit>("LANName")->setText("Somebody");
    action("CMFileReloadCFG")->trigger();
    EXPECT_EQ(prefix.readUserReg(), afterFirstLoad);
    EXPECT_FALSE(action("CMRegCleanUp")->isEnabled());
    EXPECT_EQ(control<QSlider>("GammaTrackBar")->value(), 25);
    EXPECT_EQ(control<QLineEdit>("LANName")->text(), "Player");
    EXPECT_EQ(panel(1), "No changes have been made!");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Load, AMissingIntegerStopsTheLoadWhereItFailed)
{
    prefix.edit([](RegistryAccess& registry) {
        registry.OpenKey(schema::MiscKey, false);
        registry.DeleteValue("seenintromovie");
    });
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(errorTexts(), std::vector<std::string>{"Fehler beim Holen der Daten für 'seenintromovie'"});
    const SettingsSnapshot& record = programState().settings;
    EXPECT_EQ(record.savpath, "C:\\Program Files\\Warcraft III\\save");
    EXPECT_EQ(record.errpath, "C:\\Program Files\\Warcraft III\\Errors");
    EXPECT_EQ(record.keyscroll, 50);
    EXPECT_EQ(record.netgameport, 6112);
    EXPECT_EQ(record.campaignprofile, "Player");
    EXPECT_EQ(record.sfxvolume, 0); // Sound comes after Misc
    EXPECT_EQ(record.gamma, 0);
    EXPECT_TRUE(programState().AccountList.empty());
    expectDesignTimeControls();
    // What the load had created stays created.
    EXPECT_TRUE(reread()->KeyExists("Software\\Orvane\\BnetUsers"));
}

TEST_F(Load, AGameThatNeverWroteItsSettingsFailsAtKeyscroll)
{
    prefix.edit([](RegistryAccess& registry) {
        for (const auto& key : schema::SettingsKeys)
            registry.DeleteKey(std::string(key.path));
    });
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(errorTexts(), std::vector<std::string>{"Fehler beim Holen der Daten für 'keyscroll'"});
    expectDesignTimeControls();
}

TEST_F(Load, AValueOfTheWrongTypeIsNamed)
{
    prefix.edit([](RegistryAccess& registry) {
        registry.OpenKey(schema::VideoKey, false);
        registry.WriteString("gamma", "25");
    });
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(errorTexts(), std::vector<std::string>{"Ungültiger Datentyp für 'gamma'"});
    EXPECT_EQ(programState().settings.sfxvolume, 100);
    EXPECT_EQ(programState().settings.colordepth, 16);
    EXPECT_EQ(programState().settings.reswidth, 0);
    expectDesignTimeControls();
}

TEST_F(Load, AutoapplyStoredAsTextEndsTheLoadBeforeAnyGameValue)
{
    prefix.edit([](RegistryAccess& registry) {
        registry.OpenKey(schema::OrvaneKey, true);
        registry.WriteString("autoapply", "1");
    });
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(errorTexts(), std::vector<std::string>{"Ungültiger Datentyp für 'autoapply'"});
    EXPECT_EQ(programState().settings.keyscroll, 0);
    EXPECT_EQ(programState().settings.AllowLocalFiles, 0);
    expectDesignTimeControls();
}

TEST_F(Load, AMissingFolderKeyGivesAnEmptyFolder)
{
    prefix.edit([](RegistryAccess& registry) { registry.DeleteKey(std::string(schema::GameKey) + "\\DelOpt2"); });
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(programState().settings.logpath, "");
    EXPECT_EQ(control<QLineEdit>("PL")->text(), "");
}

TEST_F(Load, NosoundwarnIsNeverRead)
{
    setGameValue(schema::SoundKey, "nosoundwarn", 1);
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(programState().settings.nosoundwarn, 0);
}

TEST_F(Load, AReloadReadsWhatWineWroteMeanwhile)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    form().show();
    form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    setGameValue(schema::GameplayKey, "keyscroll", 77);
    QTest::keyClick(control("NetGP"), Qt::Key_F5);
    EXPECT_EQ(control<QSlider>("KSTrackBar")->value(), 77);
}

} // namespace
} // namespace orvane
