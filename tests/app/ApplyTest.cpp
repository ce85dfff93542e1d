// Changing controls as a player does and applying them: what the prefix's
// user.reg holds afterwards, read back as a second start of Orvane would.
#include "app/ErrorHandler.h"
#include "tests/app/OrvaneFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace orvane {
namespace {

class Apply : public test::OrvaneFixture {
protected:
    void press(const char* button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }
    void click(const char* box) { QTest::mouseClick(control<QCheckBox>(box), Qt::LeftButton, {}, QPoint(4, 8)); }
    void typeIntoPort(const QString& text)
    {
        auto* port = control<QLineEdit>("NetGP");
        port->setFocus();
        port->selectAll();
        QTest::keyClicks(port, text);
    }
    // Removes the key's values behind Orvane's back, so that a write appends them in its order.
    void emptyKey(std::string_view key) const
    {
        prefix.edit([&](RegistryAccess& registry) {
            registry.OpenKey(key, false);
            std::vector<std::string> names;
            registry.GetValueNames(names);
            for (const auto& name : names)
                registry.DeleteValue(name);
        });
    }
    std::vector<std::string> namesIn(std::string_view key) const
    {
        auto registry = reread();
        registry->OpenKey(key, false);
        std::vector<std::string> names;
        registry->GetValueNames(names);
        return names;
    }
    int32_t integerIn(std::string_view key, const char* name) const
    {
        auto registry = reread();
        registry->OpenKey(key, false);
        return registry->ReadInteger(name);
    }
    std::string textIn(std::string_view key, const char* name) const
    {
        auto registry = reread();
        registry->OpenKey(key, false);
        return registry->ReadString(name);
    }
    int portMessages() const
    {
        int count = 0;
        for (const auto& box : boxes.shown)
            count += box.caption == "Fatal Error";
        return count;
    }
    void turnOnAutoApply() const
    {
        prefix.edit([](RegistryAccess& registry) {
            registry.OpenKey(schema::OrvaneKey, true);
            registry.WriteBool("autoapply", true);
        });
    }
};

TEST_F(Apply, EachButtonWritesItsGroupInItsOrder)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    for (std::string_view key : {schema::GameplayKey, schema::VideoKey, schema::SoundKey, schema::MiscKey,
                                 schema::StringKey})
        emptyKey(key);
    press("GAS");
    EXPECT_EQ(namesIn(schema::GameplayKey),
              (std::vector<std::string>{"keyscroll", "mousescroll", "mousescrolldisable", "tooltips", "netgameport"}));
    EXPECT_TRUE(namesIn(schema::VideoKey).empty());
    press("VAS");
    EXPECT_EQ(namesIn(schema::VideoKey),
              (std::vector<std::string>{"animquality", "colordepth", "gamma", "lights", "miplevel", "modeldetail",
                                        "occlusion", "particles", "refreshrate", "resheight", "reswidth",
                                        "texcolordepth", "texquality", "unitshadows"}));
    press("SAS");
    EXPECT_EQ(namesIn(schema::SoundKey),
              (std::vector<std::string>{"ambient", "environmental", "movement", "music", "musicvolume", "nomidi",
                                        "nosoundwarn", "positional", "provider", "sfx", "sfxvolume", "softwaremidi",
                                        "subtitles", "unit"}));
    EXPECT_EQ(integerIn(schema::SoundKey, "nosoundwarn"), 0);
    press("MAS");
    EXPECT_EQ(namesIn(schema::MiscKey), (std::vector<std::string>{"campaignprofile", "seenintromovie"}));
    EXPECT_EQ(namesIn(schema::StringKey), (std::vector<std::string>{"userbnet", "userlocal"}));
    EXPECT_EQ(integerIn(schema::VideoKey, "gamma"), 25);
    EXPECT_EQ(integerIn(schema::GameplayKey, "netgameport"), 6112);
    EXPECT_EQ(panel(1), "No changes have been made!"); // applying is no change
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Apply, ChangesReachTheRegistryWithTheInvertedBoxesUndone)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    form().show();
    click("MSCB");
    EXPECT_FALSE(control("MSTrackBar")->isEnabled());
    click("MidiCB");
    click("IMCB");
    control<QSlider>("GammaTrackBar")->setValue(40);
    EXPECT_EQ(control<QLabel>("GammaCount")->text(), "40");
    EXPECT_EQ(panel(1), "Changes have been made!");
    press("GAS");
    press("VAS");
    press("SAS");
    press("MAS");
    EXPECT_EQ(integerIn(schema::GameplayKey, "mousescrolldisable"), 1);
    EXPECT_EQ(integerIn(schema::SoundKey, "nomidi"), 1);
    EXPECT_EQ(integerIn(schema::MiscKey, "seenintromovie"), 0);
    EXPECT_EQ(integerIn(schema::VideoKey, "gamma"), 40);
    EXPECT_EQ(panel(1), "Changes have been made!");
}

TEST_F(Apply, SoundOffDisablesItsDependentsWhoseStatesAreStillWritten)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    form().show();
    click("MovCB");
    click("SFXCB");
    for (const char* name : {"SFXTrackBar", "EnvCB", "MovCB", "URCB"})
        EXPECT_FALSE(control(name)->isEnabled()) << name;
    press("SAS");
    EXPECT_EQ(integerIn(schema::SoundKey, "sfx"), 0);
    EXPECT_EQ(integerIn(schema::SoundKey, "movement"), 0);
    EXPECT_EQ(integerIn(schema::SoundKey, "environmental"), 1);
    click("MCB");
    EXPECT_FALSE(control("MusicTrackBar")->isEnabled());
}

TEST_F(Apply, ThePortIsWrittenOnlyInsideTheGamesRange)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    const std::vector<std::pair<QString, int32_t>> cases{
        {"1023", 6112}, {"1024", 1024}, {"49151", 49151}, {"49152", 49151}};
    int messages = 0;
    for (const auto& [typed, stored] : cases) {
        typeIntoPort(typed);
        press("GAS");
        const bool refused = typed == "1023" || typed == "49152";
        messages += refused;
        EXPECT_EQ(portMessages(), messages) << typed.toStdString();
        EXPECT_EQ(integerIn(schema::GameplayKey, "netgameport"), stored) << typed.toStdString();
    }
    EXPECT_EQ(boxes.shown.back(),
              (MessageBoxRequest{"Fatal Error",
                                 "Gameport must be a value between 1024 and 49151! Change this and press \"Apply "
                                 "Settings\" again!",
                                 MessageIcon::Information, MessageButtons::Ok}));
}

TEST_F(Apply, WithAutoApplyEveryKeystrokeWritesEverythingButABadPort)
{
    turnOnAutoApply();
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_TRUE(boxes.shown.empty()); // the presentation applied all groups at once
    control<QSlider>("MusicTrackBar")->setValue(33);
    EXPECT_EQ(integerIn(schema::SoundKey, "musicvolume"), 33);
    typeIntoPort("80");
    EXPECT_EQ(portMessages(), 2); // "8", then "80"
    EXPECT_EQ(integerIn(schema::GameplayKey, "netgameport"), 6112);
    EXPECT_EQ(programState().settings.netgameport, 6112);
    EXPECT_EQ(panel(1), "Changes have been made!");
    QTest::keyClicks(control<QLineEdit>("LANName"), "X");
    EXPECT_EQ(textIn(schema::StringKey, "userlocal"), "PlayerX");
    typeIntoPort("6113");
    EXPECT_EQ(integerIn(schema::GameplayKey, "netgameport"), 6113);
}

TEST_F(Apply, ALetterInThePortStopsTheChangeWithTheConversionError)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    control<QLineEdit>("LANName")->blockSignals(true);
    control<QLineEdit>("LANName")->setText("Later");
    control<QLineEdit>("LANName")->blockSignals(false);
    typeIntoPort("a");
    EXPECT_EQ(errorTexts(), std::vector<std::string>{"'a' ist kein gültiger Integerwert."});
    EXPECT_EQ(panel(1), "No changes have been made!");
    EXPECT_EQ(programState().settings.userlocal, "Player"); // the rows after the port did not run
    press("GAS");
    EXPECT_EQ(errorTexts().size(), 2u);
    EXPECT_EQ(integerIn(schema::GameplayKey, "netgameport"), 6112);
}

TEST_F(Apply, AnEmptyPortSkipsItsRowAndStopsTheGameplayApply)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    control<QLineEdit>("NetGP")->selectAll();
    QTest::keyClick(control<QLineEdit>("NetGP"), Qt::Key_Delete);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(panel(1), "Changes have been made!");
    emptyKey(schema::VideoKey);
    control<QSlider>("KSTrackBar")->setValue(70);
    runGuarded([this] { form().SaveSettings("all"); }); // as auto-apply runs it
    EXPECT_EQ(errorTexts(), std::vector<std::string>{"'' ist kein gültiger Integerwert."});
    EXPECT_EQ(integerIn(schema::GameplayKey, "keyscroll"), 70);
    EXPECT_TRUE(namesIn(schema::VideoKey).empty()); // later blocks did not run
}

class RefreshRates : public Apply {
protected:
    void SetUp() override
    {
        Apply::SetUp();
        display.offered = {{800, 600, 16, 60}, {800, 600, 16, 75}, {800, 600, 16, 85},
                           {1024, 768, 16, 60}, {1024, 768, 16, 75}, {1024, 768, 16, 85}, {1152, 864, 16, 60}};
        setGameValue(schema::VideoKey, "refreshrate", 85);
        ASSERT_EQ(start(), StartOutcome::Running);
        form().show();
    }
    void pickResolution(int steps)
    {
        auto* list = control<QComboBox>("ResCB");
        list->setFocus();
        for (int i = 0; i < steps; ++i)
            QTest::keyClick(list, Qt::Key_Down);
    }
    QComboBox& rates() const { return *control<QComboBox>("RRCombo"); }
};

TEST_F(RefreshRates, ANewModeKeepsTheSelectedRateWhenItOffersIt)
{
    ASSERT_EQ(rates().currentText(), "85 Hz");
    pickResolution(1);
    EXPECT_EQ(control<QComboBox>("ResCB")->currentText(), "1024x768");
    EXPECT_EQ(rates().count(), 3);
    EXPECT_EQ(rates().currentText(), "85 Hz");
    EXPECT_EQ(programState().settings.refreshrate, 85);
    EXPECT_EQ(programState().settings.reswidth, 1024);
}

TEST_F(RefreshRates, AModeWithALowerTopRateShowsItsFirstRateButKeepsTheStoredOneUntilTheNextChange)
{
    pickResolution(2);
    EXPECT_EQ(control<QComboBox>("ResCB")->currentText(), "1152x864");
    EXPECT_EQ(rates().count(), 1);
    EXPECT_EQ(rates().currentIndex(), 0);
    EXPECT_EQ(programState().settings.refreshrate, 85);
    press("VAS");
    EXPECT_EQ(integerIn(schema::VideoKey, "refreshrate"), 85);
    click("USCB");
    EXPECT_EQ(programState().settings.refreshrate, 60);
}

TEST_F(Apply, AMissingKeyFailsAtItsFirstWriteAfterWhatCameBefore)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    control<QLineEdit>("PS")->setText("C:\\Saves");
    prefix.edit([](RegistryAccess& registry) {
        registry.DeleteKey(std::string(schema::GameKey) + "\\DelOpt1");
        registry.OpenKey(std::string(schema::GameKey) + "\\DelOpt0", false);
        registry.WriteString("Path1", "D:\\Elsewhere");
    });
    press("MAS");
    EXPECT_EQ(errorTexts(), std::vector<std::string>{"Fehler beim Setzen der Daten für 'Path0'"});
    const std::string saves = std::string(schema::GameKey) + "\\DelOpt0";
    for (const char* name : {"Path0", "Path1", "Path2"})
        EXPECT_EQ(textIn(saves, name), "C:\\Saves") << name;
    EXPECT_FALSE(reread()->KeyExists(std::string(schema::GameKey) + "\\DelOpt1"));
    EXPECT_EQ(textIn(schema::StringKey, "userlocal"), "Player");
}

TEST_F(Apply, FoldersAreCopiedIntoEveryPathValueAndOpenGLIntoOrvanesKey)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    control<QLineEdit>("PL")->setText("C:\\Logs");
    form().show();
    click("OGLCB");
    press("MAS");
    press("VAS");
    const std::string logs = std::string(schema::GameKey) + "\\DelOpt2";
    EXPECT_EQ(namesIn(logs), (std::vector<std::string>{"Path0", "Path1", "Path2", "Path3"}));
    for (const char* name : {"Path0", "Path1", "Path2", "Path3"})
        EXPECT_EQ(textIn(logs, name), "C:\\Logs");
    EXPECT_EQ(namesIn(std::string(schema::GameKey) + "\\DelOpt3"), std::vector<std::string>{"Path0"});
    EXPECT_EQ(integerIn(schema::OrvaneKey, "opengl"), 1);
    EXPECT_TRUE(reread()->KeyExists(std::string(schema::GameKey)));
    auto registry = reread();
    registry->OpenKey(schema::VideoKey, false);
    EXPECT_FALSE(registry->ValueExists("opengl"));
}

TEST_F(Apply, AGroupNameInOtherLettersWritesNothing)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    emptyKey(schema::GameplayKey);
    const std::string before = prefix.readUserReg();
    form().SaveSettings("Gas");
    form().SaveSettings("ALL");
    EXPECT_EQ(prefix.readUserReg(), before);
}

TEST_F(Apply, ReloadDiscardsWhatWasNotApplied)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    control<QSlider>("SFXTrackBar")->setValue(10);
    EXPECT_EQ(panel(1), "Changes have been made!");
    action("CMFileReloadCFG")->trigger();
    EXPECT_EQ(control<QSlider>("SFXTrackBar")->value(), 100);
    EXPECT_EQ(programState().settings.sfxvolume, 100);
    EXPECT_EQ(integerIn(schema::SoundKey, "sfxvolume"), 100);
    EXPECT_EQ(panel(1), "No changes have been made!");
}

} // namespace
} // namespace orvane
