// How the record is shown: inverted boxes, values no item stands for, the
// slider range and the refresh-rate list.
#include "tests/app/OrvaneFixture.h"

#include <QLabel>

namespace orvane {
namespace {

class Present : public test::OrvaneFixture {
protected:
    void offer(std::vector<DisplayMode> modes) { display.offered = std::move(modes); }
    QStringList rateItems() const
    {
        QStringList items;
        auto* list = control<QComboBox>("RRCombo");
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        return items;
    }
};

TEST_F(Present, InvertedBoxesShowTheOpposite)
{
    setGameValue(schema::GameplayKey, "mousescrolldisable", 1);
    setGameValue(schema::SoundKey, "nomidi", 1);
    setGameValue(schema::MiscKey, "seenintromovie", 0);
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_FALSE(control<QCheckBox>("MSCB")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("MidiCB")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("IMCB")->isChecked());
}

TEST_F(Present, ValuesNoItemStandsForLeaveTheControlAndTheRecordAlone)
{
    setGameValue(schema::VideoKey, "reswidth", 1024);
    setGameValue(schema::VideoKey, "resheight", 600);
    setGameValue(schema::VideoKey, "colordepth", 24);
    setGameValue(schema::SoundKey, "provider", 5);
    setGameValue(schema::GameplayKey, "tooltips", 2);
    setGameValue(schema::VideoKey, "miplevel", -1);
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(control<QComboBox>("ResCB")->currentIndex(), -1);
    EXPECT_EQ(control<QComboBox>("CDCombo")->currentIndex(), -1);
    EXPECT_EQ(control<QComboBox>("SndSysCombo")->currentIndex(), -1);
    EXPECT_EQ(control<QComboBox>("MipCombo")->currentIndex(), -1);
    EXPECT_FALSE(control<QCheckBox>("TTCB")->isChecked());
    const SettingsSnapshot& record = programState().settings;
    EXPECT_EQ(record.reswidth, 1024);
    EXPECT_EQ(record.resheight, 600);
    EXPECT_EQ(record.colordepth, 24);
    EXPECT_EQ(record.provider, 5);
}

TEST_F(Present, SlidersShowValuesOutsideTheirRangeAtTheNearestEnd)
{
    setGameValue(schema::VideoKey, "gamma", 0);
    setGameValue(schema::SoundKey, "musicvolume", 250);
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(control<QSlider>("GammaTrackBar")->value(), 1);
    EXPECT_EQ(control<QSlider>("MusicTrackBar")->value(), 100);
    // The change handling that ends the presentation takes the positions shown.
    EXPECT_EQ(programState().settings.gamma, 1);
    EXPECT_EQ(control<QLabel>("GammaCount")->text(), "1");
    EXPECT_EQ(control<QLabel>("MusicCount")->text(), "100");
}

TEST_F(Present, TheRefreshRatesAreThoseOfTheStoredModeInTheDisplaysOrder)
{
    offer({{800, 600, 16, 60}, {1024, 768, 32, 100}, {800, 600, 16, 72}, {800, 600, 32, 70}, {800, 600, 16, 85},
           {800, 600, 16, 75}});
    setGameValue(schema::VideoKey, "refreshrate", 85);
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(rateItems(), (QStringList{"60 Hz", "72 Hz", "85 Hz", "75 Hz"}));
    EXPECT_EQ(programState().RefreshRateList, (integerarray{60, 72, 85, 75}));
    EXPECT_EQ(control<QComboBox>("RRCombo")->currentIndex(), 2);
}

TEST_F(Present, OfEqualRatesTheLastIsSelected)
{
    offer({{800, 600, 16, 60}, {800, 600, 16, 75}, {800, 600, 16, 75}, {800, 600, 16, 85}});
    setGameValue(schema::VideoKey, "refreshrate", 75);
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(control<QComboBox>("RRCombo")->currentIndex(), 2);
}

TEST_F(Present, ARateAboveTheModesRangeShowsTheFirstButKeepsTheStoredRate)
{
    offer({{800, 600, 16, 60}, {800, 600, 16, 75}, {800, 600, 16, 85}});
    setGameValue(schema::VideoKey, "refreshrate", 100);
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(rateItems().size(), 3);
    EXPECT_EQ(control<QComboBox>("RRCombo")->currentIndex(), 0);
    EXPECT_EQ(programState().settings.refreshrate, 100);
}

TEST_F(Present, ARateBetweenTheOfferedOnesSelectsNothingAndIsKept)
{
    offer({{800, 600, 16, 60}, {800, 600, 16, 75}, {800, 600, 16, 85}});
    setGameValue(schema::VideoKey, "refreshrate", 72);
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(control<QComboBox>("RRCombo")->currentIndex(), -1);
    EXPECT_EQ(programState().settings.refreshrate, 72);
}

TEST_F(Present, WithoutModesTheListStaysEmpty)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(control<QComboBox>("RRCombo")->count(), 0);
    EXPECT_GE(display.enumerations, 2); // asked afresh for the list and for the maximum
}

} // namespace
} // namespace orvane
