// Changing controls as a player does and applying them: what the registry
// holds afterwards, read back as a second start of Orvane would.
#include "context/Commands.h"
#include "tests/logic/OrvaneFixture.h"

#include <algorithm>


namespace orvane {
namespace {

class Apply : public test::OrvaneFixture {
protected:
    // Removes the key's values behind Orvane's back, so that a write appends them in its order.
    void emptyKey(std::string_view key) const
    {
        game.edit([&](RegistryAccess& registry) {
            RegistryKey opened = registry.openKey(key);
            for (const auto& name : opened.valueNames())
                opened.deleteValue(name);
        });
    }
    int32_t integerIn(std::string_view key, std::string_view name) const { return test::integerIn(game, key, name); }
    std::string textIn(std::string_view key, std::string_view name) const { return test::textIn(game, key, name); }
    std::vector<std::string> namesIn(std::string_view key) const { return test::namesIn(game, key); }
    // The names as the key lists them after they were written in this order:
    // Wine's registry server lists a key's values by name.
    static std::vector<std::string> listedAfterWriting(std::vector<std::string> names)
    {
#ifdef _WIN32
        std::sort(names.begin(), names.end());
#endif
        return names;
    }
    // Every value the schema keeps in the key, in its order.
    static std::vector<std::string> valuesOf(std::string_view key)
    {
        std::vector<std::string> names;
        for (const schema::StoredValue& value : schema::storedValues())
            if (value.key == key)
                names.emplace_back(value.name);
        return names;
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
        game.edit([](RegistryAccess& registry) {
            RegistryKey key = registry.createKey(schema::OrvaneKey);
            key.writeBool("autoapply", true);
        });
    }
};

TEST_F(Apply, EachButtonWritesItsGroupInItsOrder)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    for (std::string_view key : {schema::GameplayKey, schema::VideoKey, schema::SoundKey, schema::MiscKey,
                                 schema::StringKey})
        emptyKey(key);
    click("GAS");
    // The port as typed is checked, and written after the rest.
    std::vector<std::string> gameplay = valuesOf(schema::GameplayKey);
    std::rotate(std::find(gameplay.begin(), gameplay.end(), "netgameport"),
                std::find(gameplay.begin(), gameplay.end(), "netgameport") + 1, gameplay.end());
    EXPECT_EQ(namesIn(schema::GameplayKey), listedAfterWriting(gameplay));
    EXPECT_TRUE(namesIn(schema::VideoKey).empty());
    click("VAS");
    EXPECT_EQ(namesIn(schema::VideoKey), listedAfterWriting(valuesOf(schema::VideoKey)));
    click("SAS");
    // nosoundwarn, which no load reads and no file gave, is not written blind.
    std::vector<std::string> sound = valuesOf(schema::SoundKey);
    std::erase(sound, "nosoundwarn");
    EXPECT_EQ(namesIn(schema::SoundKey), listedAfterWriting(sound));
    click("MAS");
    EXPECT_EQ(namesIn(schema::MiscKey), listedAfterWriting(valuesOf(schema::MiscKey)));
    EXPECT_EQ(namesIn(schema::StringKey), listedAfterWriting(valuesOf(schema::StringKey)));
    EXPECT_EQ(integerIn(schema::VideoKey, "gamma"), 25);
    EXPECT_EQ(integerIn(schema::GameplayKey, "netgameport"), 6112);
    EXPECT_EQ(panel(1), "No changes have been made!"); // applying is no change
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Apply, ChangesReachTheRegistryWithTheInvertedBoxesUndone)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    click("MSCB");
    EXPECT_FALSE(control("MSTrackBar").enabled());
    click("MidiCB");
    click("IMCB");
    moveSlider("GammaTrackBar", 40);
    EXPECT_EQ(control<LabelControl>("GammaCount").caption(), "40");
    EXPECT_EQ(panel(1), "Changes have been made!");
    click("GAS");
    click("VAS");
    click("SAS");
    click("MAS");
    EXPECT_EQ(integerIn(schema::GameplayKey, "mousescrolldisable"), 1);
    EXPECT_EQ(integerIn(schema::SoundKey, "nomidi"), 1);
    EXPECT_EQ(integerIn(schema::MiscKey, "seenintromovie"), 0);
    EXPECT_EQ(integerIn(schema::VideoKey, "gamma"), 40);
    EXPECT_EQ(panel(1), "Changes have been made!");
}

TEST_F(Apply, SoundOffDisablesItsDependentsWhoseStatesAreStillWritten)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    click("MovCB");
    click("SFXCB");
    for (const char* name : {"SFXTrackBar", "EnvCB", "MovCB", "URCB"})
        EXPECT_FALSE(control(name).enabled()) << name;
    click("SAS");
    EXPECT_EQ(integerIn(schema::SoundKey, "sfx"), 0);
    EXPECT_EQ(integerIn(schema::SoundKey, "movement"), 0);
    EXPECT_EQ(integerIn(schema::SoundKey, "environmental"), 1);
    click("MCB");
    EXPECT_FALSE(control("MusicTrackBar").enabled());
}

TEST_F(Apply, ThePortIsWrittenOnlyInsideTheGamesRange)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    const std::vector<std::pair<std::string, int32_t>> cases{
        {"1023", 6112}, {"1024", 1024}, {"49151", 49151}, {"49152", 49151}};
    int messages = 0;
    for (const auto& [typed, stored] : cases) {
        retype("NetGP", typed);
        click("GAS");
        const bool refused = typed == "1023" || typed == "49152";
        messages += refused;
        EXPECT_EQ(portMessages(), messages) << typed;
        EXPECT_EQ(integerIn(schema::GameplayKey, "netgameport"), stored) << typed;
    }
    EXPECT_EQ(boxes.shown.back(),
              (MessageBoxRequest{MessageId::PortRefused, "Fatal Error",
                                 "Gameport must be a value between 1024 and 49151! Change this and press \"Apply "
                                 "Settings\" again!",
                                 MessageIcon::Information, MessageButtons::Ok}));
}

TEST_F(Apply, WithAutoApplyEveryKeystrokeWritesEverythingButABadPort)
{
    turnOnAutoApply();
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_TRUE(boxes.shown.empty()); // the presentation applied all groups at once
    moveSlider("MusicTrackBar", 33);
    EXPECT_EQ(integerIn(schema::SoundKey, "musicvolume"), 33);
    retype("NetGP", "80");
    EXPECT_EQ(portMessages(), 2); // "8", then "80"
    EXPECT_EQ(integerIn(schema::GameplayKey, "netgameport"), 6112);
    EXPECT_EQ(state().settings.netgameport, 6112);
    EXPECT_EQ(panel(1), "Changes have been made!");
    type("LANName", "X");
    EXPECT_EQ(textIn(schema::StringKey, "userlocal"), "PlayerX");
    retype("NetGP", "6113");
    EXPECT_EQ(integerIn(schema::GameplayKey, "netgameport"), 6113);
}

// Another program (a launcher's script, the game) stored values while the
// window was open: what the player left as it was is not written over
// them, but kept, shown and told once; what the player changed is written.
TEST_F(Apply, AValueStoredElsewhereSinceTheWindowReadItIsKeptUnlessThePlayerChangedIt)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    game.setInteger(schema::VideoKey, "gamma", 40);
    game.setInteger(schema::VideoKey, "lights", 2);
    game.setInteger(schema::SoundKey, "musicvolume", 10);
    moveSlider("GammaTrackBar", 70); // the player's own change wins
    click("VAS");
    EXPECT_EQ(integerIn(schema::VideoKey, "gamma"), 70);
    EXPECT_EQ(integerIn(schema::VideoKey, "lights"), 2);
    EXPECT_EQ(list("LCombo").selected(), 2);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].id, MessageId::NewerValuesKept);
    EXPECT_NE(boxes.shown[0].text.find("Video\\lights"), std::string::npos) << boxes.shown[0].text;
    EXPECT_EQ(boxes.shown[0].text.find("gamma"), std::string::npos);
    click("VAS"); // told once
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(panel(1), "Changes have been made!");

    // With auto-apply, every change writes every group: still nothing reverted.
    turnOnAutoApply();
    pressShortcut("F5");
    game.setInteger(schema::GameplayKey, "keyscroll", 11);
    click("TTCB");
    EXPECT_EQ(integerIn(schema::GameplayKey, "keyscroll"), 11);
    EXPECT_EQ(integerIn(schema::SoundKey, "musicvolume"), 10);
    EXPECT_EQ(slider("KSTrackBar").position(), 11);
    EXPECT_EQ(control<LabelControl>("KSCount").caption(), "11");
    EXPECT_EQ(integerIn(schema::GameplayKey, "tooltips"), 0);
}

TEST_F(Apply, ALetterInThePortStopsTheChangeWithTheConversionError)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    // Text in a later row's field that no change has taken yet.
    EditControl& later = edit("LANName");
    later.setHandler(nullptr);
    later.setText("Later");
    later.setHandler([this] { form().settings().settingChanged(); });
    retype("NetGP", "a");
    EXPECT_EQ(errorTexts(), std::vector<std::string>{"'a' ist kein gültiger Integerwert."});
    EXPECT_EQ(panel(1), "No changes have been made!");
    EXPECT_EQ(state().settings.userlocal, "Player"); // the rows after the port did not run
    click("GAS");
    EXPECT_EQ(errorTexts().size(), 2u);
    EXPECT_EQ(integerIn(schema::GameplayKey, "netgameport"), 6112);
}

TEST_F(Apply, AnEmptyPortSkipsItsRowAndStopsTheGameplayApply)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    retype("NetGP", "");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(panel(1), "Changes have been made!");
    emptyKey(schema::VideoKey);
    moveSlider("KSTrackBar", 70);
    state().commands.run([this] { form().settings().applyAll(); }); // as auto-apply runs it
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
        game.setInteger(schema::VideoKey, "refreshrate", 85);
        ASSERT_EQ(start(), StartOutcome::Running);
        }
    void pickResolution(int steps) { pick("ResCB", list("ResCB").selected() + steps); }
    ListControl& rates() const { return list("RRCombo"); }
};

TEST_F(RefreshRates, ANewModeKeepsTheSelectedRateWhenItOffersIt)
{
    ASSERT_EQ(rates().text(), "85 Hz");
    pickResolution(1);
    EXPECT_EQ(list("ResCB").text(), "1024x768");
    EXPECT_EQ(rates().count(), 3);
    EXPECT_EQ(rates().text(), "85 Hz");
    EXPECT_EQ(state().settings.refreshrate, 85);
    EXPECT_EQ(state().settings.reswidth, 1024);
}

TEST_F(RefreshRates, AModeWithALowerTopRateShowsItsFirstRateButKeepsTheStoredOneUntilTheNextChange)
{
    pickResolution(2);
    EXPECT_EQ(list("ResCB").text(), "1152x864");
    EXPECT_EQ(rates().count(), 1);
    EXPECT_EQ(rates().selected(), 0);
    EXPECT_EQ(state().settings.refreshrate, 85);
    click("VAS");
    EXPECT_EQ(integerIn(schema::VideoKey, "refreshrate"), 85);
    click("USCB");
    EXPECT_EQ(state().settings.refreshrate, 60);
}

TEST_F(Apply, AMissingKeyFailsAtItsFirstWriteAfterWhatCameBefore)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    retype("PS", "C:\\Saves");
    game.edit([](RegistryAccess& registry) {
        registry.deleteKey(std::string(schema::GameKey) + "\\DelOpt1");
        RegistryKey key = registry.openKey(std::string(schema::GameKey) + "\\DelOpt0");
        key.writeString("Path1", "D:\\Elsewhere");
    });
    click("MAS");
    EXPECT_EQ(errorTexts(), std::vector<std::string>{"Fehler beim Setzen der Daten für 'Path0'"});
    const std::string saves = std::string(schema::GameKey) + "\\DelOpt0";
    for (const char* name : {"Path0", "Path1", "Path2"})
        EXPECT_EQ(textIn(saves, name), "C:\\Saves") << name;
    EXPECT_FALSE(game.registry()->keyExists(std::string(schema::GameKey) + "\\DelOpt1"));
    EXPECT_EQ(textIn(schema::StringKey, "userlocal"), "Player");
}

TEST_F(Apply, FoldersAreCopiedIntoEveryPathValueAndOpenGLIntoOrvanesKey)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    retype("PL", "C:\\Logs");
    click("OGLCB");
    click("MAS");
    click("VAS");
    const std::string logs = std::string(schema::GameKey) + "\\DelOpt2";
    EXPECT_EQ(namesIn(logs), (std::vector<std::string>{"Path0", "Path1", "Path2", "Path3"}));
    for (const char* name : {"Path0", "Path1", "Path2", "Path3"})
        EXPECT_EQ(textIn(logs, name), "C:\\Logs");
    EXPECT_EQ(namesIn(std::string(schema::GameKey) + "\\DelOpt3"), std::vector<std::string>{"Path0"});
    EXPECT_EQ(integerIn(schema::OrvaneKey, "opengl"), 1);
    EXPECT_TRUE(game.registry()->keyExists(std::string(schema::GameKey)));
    auto registry = game.registry();
    RegistryKey key = registry->openKey(schema::VideoKey);
    EXPECT_FALSE(key.hasValue("opengl"));
}

TEST_F(Apply, ReloadDiscardsWhatWasNotApplied)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    moveSlider("SFXTrackBar", 10);
    EXPECT_EQ(panel(1), "Changes have been made!");
    click("CMFileReloadCFG");
    EXPECT_EQ(slider("SFXTrackBar").position(), 100);
    EXPECT_EQ(state().settings.sfxvolume, 100);
    EXPECT_EQ(integerIn(schema::SoundKey, "sfxvolume"), 100);
    EXPECT_EQ(panel(1), "No changes have been made!");
}

TEST_F(Apply, AStoredPortLongerThanTheFieldIsShownWholeAndNeverCutToAnotherPort)
{
    game.setInteger(schema::GameplayKey, "netgameport", 100000);
    turnOnAutoApply();
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(edit("NetGP").text(), "100000");
    EXPECT_EQ(portMessages(), 1); // the presentation's apply refused it
    click("GAS");
    EXPECT_EQ(portMessages(), 2);
    EXPECT_EQ(integerIn(schema::GameplayKey, "netgameport"), 100000);
    EXPECT_EQ(state().settings.netgameport, 100000);
}

} // namespace
} // namespace orvane
