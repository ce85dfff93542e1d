// How the record is shown: inverted boxes, values no item stands for, the
// slider range and the refresh-rate list.
#include "tests/logic/OrvaneFixture.h"

#include <algorithm>
#include <vector>

namespace orvane {
namespace {

class Present : public test::OrvaneFixture {
protected:
    void offer(std::vector<DisplayMode> modes) { display.offered = std::move(modes); }
    std::vector<std::string> rateItems() const { return list("RRCombo").items(); }
};

// What each box means, written from the game's values rather than from the
// binding table: the stored value for which the box is checked.
struct Box {
    const char* name;
    std::string_view key;
    const char* value;
    int32_t whenChecked;
    const char* apply;
};

constexpr Box Boxes[] = {
    {"MSCB", schema::GameplayKey, "mousescrolldisable", 0, "GAS"},
    {"TTCB", schema::GameplayKey, "tooltips", 1, "GAS"},
    {"USCB", schema::VideoKey, "unitshadows", 1, "VAS"},
    {"OCB", schema::VideoKey, "occlusion", 1, "VAS"},
    {"OGLCB", schema::OrvaneKey, "opengl", 1, "VAS"},
    {"SFXCB", schema::SoundKey, "sfx", 1, "SAS"},
    {"MCB", schema::SoundKey, "music", 1, "SAS"},
    {"EnvCB", schema::SoundKey, "environmental", 1, "SAS"},
    {"MovCB", schema::SoundKey, "movement", 1, "SAS"},
    {"URCB", schema::SoundKey, "unit", 1, "SAS"},
    {"STCB", schema::SoundKey, "subtitles", 1, "SAS"},
    {"PosCB", schema::SoundKey, "positional", 1, "SAS"},
    {"AmbCB", schema::SoundKey, "ambient", 1, "SAS"},
    {"MidiCB", schema::SoundKey, "nomidi", 0, "SAS"},
    {"SoftMidiCB", schema::SoundKey, "softwaremidi", 1, "SAS"},
    {"IMCB", schema::MiscKey, "seenintromovie", 0, "MAS"},
    {"ALFCB", schema::GameKey, "Allow Local Files", 1, "MAS"},
};

// Each box shown for a stored 0, then, after a click and its group's Apply,
// for the stored 1 that F5 reads back, and the click after that stores 0.
// Sound on enables the boxes below it: it goes first, and off last.
TEST_F(Present, EveryCheckBoxShowsWhatItsStoredValueMeansAndAClickStoresTheOpposite)
{
    for (const Box& box : Boxes)
        game.setInteger(box.key, box.value, 0);
    ASSERT_EQ(start(), StartOutcome::Running);
    std::vector<Box> inTurn(std::begin(Boxes), std::end(Boxes));
    for (const int32_t stored : {0, 1}) {
        if (stored == 1)
            std::reverse(inTurn.begin(), inTurn.end());
        for (const Box& box : inTurn) {
            SCOPED_TRACE(std::string(box.name) + " for a stored " + std::to_string(stored));
            EXPECT_EQ(check(box.name).checked(), stored == box.whenChecked);
            click(box.name);
            click(box.apply);
            EXPECT_EQ(test::integerIn(game, box.key, box.value), 1 - stored);
        }
        pressShortcut("F5");
    }
}

TEST_F(Present, ValuesNoItemStandsForLeaveTheControlAndTheRecordAlone)
{
    game.setInteger(schema::VideoKey, "reswidth", 1024);
    game.setInteger(schema::VideoKey, "resheight", 600);
    game.setInteger(schema::VideoKey, "colordepth", 24);
    game.setInteger(schema::SoundKey, "provider", 5);
    game.setInteger(schema::GameplayKey, "tooltips", 2);
    game.setInteger(schema::VideoKey, "miplevel", -1);
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(list("ResCB").selected(), -1);
    EXPECT_EQ(list("CDCombo").selected(), -1);
    EXPECT_EQ(list("SndSysCombo").selected(), -1);
    EXPECT_EQ(list("MipCombo").selected(), -1);
    EXPECT_FALSE(check("TTCB").checked());
    const SettingsSnapshot& record = state().settings;
    EXPECT_EQ(record.reswidth, 1024);
    EXPECT_EQ(record.resheight, 600);
    EXPECT_EQ(record.colordepth, 24);
    EXPECT_EQ(record.provider, 5);
}

// Stored by another program after the controls showed other values: the
// lists' and boxes' old states are no change of the player's, so every
// write, automatic ones included, keeps what no control can show.
TEST_F(Present, ValuesNoControlCanShowSurviveEveryWriteThatDoesNotChangeThem)
{
    offer({{800, 600, 16, 60}, {800, 600, 16, 75}, {800, 600, 16, 85}, {1024, 600, 16, 60}});
    ASSERT_EQ(start(), StartOutcome::Running);
    ASSERT_EQ(list("LCombo").selected(), 1);
    game.edit([](RegistryAccess& registry) {
        RegistryKey video = registry.openKey(schema::VideoKey);
        video.writeInteger("lights", 7);
        video.writeInteger("reswidth", 1024);
        video.writeInteger("resheight", 600);
        video.writeInteger("refreshrate", 100);
        video.writeInteger("gamma", 0);
        registry.openKey(schema::GameplayKey).writeInteger("tooltips", 2);
        registry.openKey(schema::MiscKey).writeString("campaignprofile", "Nobody");
        registry.openKey(schema::OrvaneKey).writeBool("autoapply", true);
    });
    pressShortcut("F5"); // presenting writes everything, as does each change after
    click("OCB");
    EXPECT_EQ(list("LCombo").selected(), 1); // as it was
    EXPECT_EQ(test::integerIn(game, schema::VideoKey, "occlusion"), 0);
    EXPECT_EQ(test::integerIn(game, schema::VideoKey, "lights"), 7);
    EXPECT_EQ(test::integerIn(game, schema::VideoKey, "reswidth"), 1024);
    EXPECT_EQ(test::integerIn(game, schema::VideoKey, "resheight"), 600);
    EXPECT_EQ(test::integerIn(game, schema::VideoKey, "refreshrate"), 100);
    EXPECT_EQ(test::integerIn(game, schema::VideoKey, "gamma"), 0);
    EXPECT_EQ(test::integerIn(game, schema::GameplayKey, "tooltips"), 2);
    EXPECT_EQ(test::textIn(game, schema::MiscKey, "campaignprofile"), "Nobody");
    // What the player changes is written.
    pick("LCombo", 2);
    click("TTCB");
    EXPECT_EQ(test::integerIn(game, schema::VideoKey, "lights"), 2);
    EXPECT_EQ(test::integerIn(game, schema::GameplayKey, "tooltips"), check("TTCB").checked() ? 1 : 0);
    EXPECT_EQ(test::integerIn(game, schema::VideoKey, "refreshrate"), 100);
}

TEST_F(Present, SlidersShowValuesOutsideTheirRangeAtTheNearestEnd)
{
    game.setInteger(schema::VideoKey, "gamma", 0);
    game.setInteger(schema::SoundKey, "musicvolume", 250);
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(slider("GammaTrackBar").position(), 1);
    EXPECT_EQ(slider("MusicTrackBar").position(), 100);
    // The counts follow the positions; the record keeps what the sliders
    // cannot show until the player moves them.
    EXPECT_EQ(state().settings.gamma, 0);
    EXPECT_EQ(control<LabelControl>("GammaCount").caption(), "1");
    moveSlider("GammaTrackBar", 30);
    EXPECT_EQ(state().settings.gamma, 30);
    EXPECT_EQ(control<LabelControl>("MusicCount").caption(), "100");
}

TEST_F(Present, TheRefreshRatesAreThoseOfTheStoredModeInTheDisplaysOrder)
{
    offer({{800, 600, 16, 60}, {1024, 768, 32, 100}, {800, 600, 16, 72}, {800, 600, 32, 70}, {800, 600, 16, 85},
           {800, 600, 16, 75}});
    game.setInteger(schema::VideoKey, "refreshrate", 85);
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(rateItems(), (std::vector<std::string>{"60 Hz", "72 Hz", "85 Hz", "75 Hz"}));
    EXPECT_EQ(list("RRCombo").selected(), 2);
}

TEST_F(Present, OfEqualRatesTheLastIsSelected)
{
    offer({{800, 600, 16, 60}, {800, 600, 16, 75}, {800, 600, 16, 75}, {800, 600, 16, 85}});
    game.setInteger(schema::VideoKey, "refreshrate", 75);
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(list("RRCombo").selected(), 2);
}

TEST_F(Present, ARateAboveTheModesRangeShowsTheFirstButKeepsTheStoredRate)
{
    offer({{800, 600, 16, 60}, {800, 600, 16, 75}, {800, 600, 16, 85}});
    game.setInteger(schema::VideoKey, "refreshrate", 100);
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(rateItems().size(), 3u);
    EXPECT_EQ(list("RRCombo").selected(), 0);
    EXPECT_EQ(state().settings.refreshrate, 100);
}

TEST_F(Present, ARateBetweenTheOfferedOnesSelectsNothingAndIsKept)
{
    offer({{800, 600, 16, 60}, {800, 600, 16, 75}, {800, 600, 16, 85}});
    game.setInteger(schema::VideoKey, "refreshrate", 72);
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(list("RRCombo").selected(), -1);
    EXPECT_EQ(state().settings.refreshrate, 72);
}

TEST_F(Present, WithoutModesTheListStaysEmpty)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(list("RRCombo").count(), 0);
}

TEST_F(Present, EachRateListAsksTheDisplayOnceAndAfresh)
{
    offer({{800, 600, 16, 60}, {1024, 768, 16, 75}});
    ASSERT_EQ(start(), StartOutcome::Running);
    // The list shown and the one the start's change check rebuilds come of one asking.
    const int atStart = display.enumerations;
    EXPECT_EQ(atStart, 1);
    EXPECT_EQ(rateItems(), std::vector<std::string>{"60 Hz"});
    // A display plugged in since: the next mode's list is the new display's.
    offer({{800, 600, 16, 60}, {1024, 768, 16, 75}, {1024, 768, 16, 120}});
    pick("ResCB", 3); // 1024x768
    ASSERT_EQ(state().settings.reswidth, 1024);
    EXPECT_EQ(display.enumerations, atStart + 1);
    EXPECT_EQ(rateItems(), (std::vector<std::string>{"75 Hz", "120 Hz"}));
}

} // namespace
} // namespace orvane
