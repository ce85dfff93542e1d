// The event rules every toolkit shares, on controls of a small window.
#include "context/Commands.h"
#include "controls/Elide.h"
#include "controls/LayoutScale.h"
#include "controls/TabOrder.h"
#include "controls/Window.h"
#include "tests/support/RecordingMessageBoxes.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// The logic of the sample window.
struct SampleLogic {
    void changed()
    {
        if (failing)
            throw std::runtime_error("Datei x kann nicht erstellt werden");
        ++raised;
    }
    void later() { ++clicks; }
    int raised = 0;
    int clicks = 0;
    bool failing = false;
};

const WindowLayout Sample{
    .name = "Sample",
    .caption = "Sample",
    .clientWidth = 200,
    .clientHeight = 100,
    .controls = {
        {.kind = ControlKind::GroupBox, .name = "Box", .tab = 1},
        {.kind = ControlKind::DropDownList, .name = "List", .items = {"a", "b", "c"}, .tab = 2, .handler = on<&SampleLogic::changed>},
        {.kind = ControlKind::CheckBox, .name = "Check", .parent = "Box", .tab = 1, .handler = on<&SampleLogic::changed>},
        {.kind = ControlKind::Slider, .name = "Slider", .parent = "Box", .tab = 0, .handler = on<&SampleLogic::changed>},
        {.kind = ControlKind::Edit, .name = "Edit", .tab = 0, .handler = on<&SampleLogic::changed>, .maxLength = 5},
        {.kind = ControlKind::Button, .name = "Later", .tab = 3, .handler = on<&SampleLogic::later>},
        {.kind = ControlKind::Label, .name = "Caption", .caption = "1"},
    },
};

class Events : public ::testing::Test {
protected:
    void SetUp() override { window.bindHandlers(logic); }

    test::RecordingMessageBoxes boxes;
    std::unique_ptr<RegistryAccess> noRegistry;
    const Texts english{};
    Commands commands{boxes, noRegistry, english};
    Window window{Sample, commands};
    SampleLogic logic;
    int& raised = logic.raised;
};

TEST_F(Events, ListsAndCheckBoxesRaiseOnlyForTheUser)
{
    window.list("List").select(1);
    window.list("List").clear();
    window.list("List").addItems({"x", "y"});
    window.check("Check").setChecked(true);
    EXPECT_EQ(raised, 0);
    window.list("List").userSelect(0);
    window.check("Check").userClick();
    EXPECT_EQ(raised, 2);
    EXPECT_EQ(window.list("List").text(), "x");
    EXPECT_FALSE(window.check("Check").checked());
}

TEST_F(Events, SlidersAndEditsRaiseForEveryRealChangeAlsoTheProgramsOwn)
{
    window.slider("Slider").setPosition(40);
    window.edit("Edit").setText("abc");
    EXPECT_EQ(raised, 2);
    window.slider("Slider").setPosition(40);
    window.edit("Edit").setText("abc");
    EXPECT_EQ(raised, 2); // no change, no event
    window.slider("Slider").userMove(41);
    window.edit("Edit").userEdit("abcd");
    EXPECT_EQ(raised, 4);
}

TEST_F(Events, SlidersKeepToTheirRange)
{
    window.slider("Slider").setPosition(0);
    EXPECT_EQ(window.slider("Slider").position(), 1);
    window.slider("Slider").setPosition(250);
    EXPECT_EQ(window.slider("Slider").position(), 100);
}

TEST_F(Events, TheProgramsTextIsKeptWholeBeyondTheTypingLimit)
{
    window.edit("Edit").setText("100000");
    EXPECT_EQ(window.edit("Edit").text(), "100000");
}

TEST_F(Events, SelectingOutsideTheItemsSelectsNothingAndRaisesNothing)
{
    window.list("List").select(7);
    EXPECT_EQ(window.list("List").selected(), ListControl::None);
    EXPECT_EQ(window.list("List").text(), "");
    window.list("List").userSelect(3);
    EXPECT_EQ(raised, 0);
}

TEST(Layout, AControlStaysDisabledUntilItsHandlerIsBound)
{
    test::RecordingMessageBoxes boxes;
    std::unique_ptr<RegistryAccess> noRegistry;
    const Texts english{};
    Commands commands{boxes, noRegistry, english};
    Window window{Sample, commands};
    ButtonControl& later = window.button("Later");
    EXPECT_FALSE(later.enabled());
    later.setEnabled(true);
    EXPECT_FALSE(later.enabled());
    SampleLogic logic;
    later.userClick();
    window.bindHandlers(logic);
    EXPECT_TRUE(later.enabled());
    later.userClick();
    EXPECT_EQ(logic.clicks, 1);
}

TEST_F(Events, ADisabledControlTakesNoUserAct)
{
    window.check("Check").setEnabled(false);
    window.check("Check").userClick();
    EXPECT_FALSE(window.check("Check").checked());
    EXPECT_EQ(raised, 0);
}

TEST_F(Events, TheUsersEventCatchesTheErrorButTheProgramsChangeLetsItThrough)
{
    logic.failing = true;
    window.slider("Slider").userMove(5);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Datei x kann nicht erstellt werden.");
    EXPECT_EQ(boxes.shown[0].caption, "Orvane");
    // Inside a command, the error ends the command that made the change.
    EXPECT_THROW(window.edit("Edit").setText("x"), std::runtime_error);
}

TEST_F(Events, ClosingAWindowRunsItsCloseHandlerAsOneEvent)
{
    int closes = 0;
    window.setOnClose([&closes] { ++closes; });
    window.show();
    window.userClose();
    EXPECT_EQ(closes, 1);
}

TEST(Layout, UnknownNamesAndKindsAreRefused)
{
    struct RunAtOnce : EventDispatcher {
        void dispatch(const std::function<void()>& handler) override { handler(); }
    } dispatcher;
    Window window{Sample, dispatcher};
    EXPECT_THROW(window.control("Nothing"), std::logic_error);
    EXPECT_THROW(window.list("Check"), std::logic_error);
    struct OtherLogic {
    } other;
    EXPECT_THROW(window.bindHandlers(other), std::logic_error); // the rows name SampleLogic's members
}

TEST(Layout, TabOrderFollowsTheNumbersWithinEachContainer)
{
    std::vector<std::string> names;
    for (const LayoutRow* row : tabChain(Sample))
        names.push_back(row->name);
    EXPECT_EQ(names, (std::vector<std::string>{"Edit", "Slider", "Check", "List", "Later"}));
}

TEST(Layout, ControlIdsAreFixedByTheTable)
{
    EXPECT_EQ(controlId(Sample, "Box"), FirstControlId);
    EXPECT_EQ(controlId(Sample, "Caption"), FirstControlId + 6);
    EXPECT_THROW(controlId(Sample, "Nothing"), std::logic_error);
}

// Half a pixel and more goes up, less goes down, at every density; a
// truncating scale would make controls a pixel short at 125% and 150%.
TEST(Layout, PixelsScaleToTheNearestPixel)
{
    EXPECT_EQ(scaledToDpi(13, 96), 13);
    EXPECT_EQ(scaledToDpi(13, 144), 20);     // 19.5
    EXPECT_EQ(scaledToDpi(894, 120), 1118);  // 1117.5
    EXPECT_EQ(scaledToDpi(17, 120), 21);     // 21.25
    EXPECT_EQ(scaledToDpi(21, 168), 37);     // 36.75
    EXPECT_EQ(scaledToDpi(7, 72), 5);        // 5.25
    EXPECT_EQ(scaledToDpi(-13, 144), -20);   // -19.5, as far from zero as 19.5
    EXPECT_EQ(scaledToDpi(584, 192), 1168);
}

TEST(Elide, ALongPathKeepsItsDriveAndItsFileNameAndFitsItsRoom)
{
    const auto length = [](const std::wstring& text) { return static_cast<int>(text.size()); };
    const std::wstring path = L"C:\\Users\\Player\\Documents\\Warcraft III\\Configurations\\competitive.ini";
    EXPECT_EQ(elideMiddle(path, 200, length), path);
    const std::wstring shown = elideMiddle(path, 30, length);
    EXPECT_EQ(shown.size(), 30u);
    EXPECT_EQ(shown.substr(0, 3), L"C:\\");
    EXPECT_TRUE(shown.ends_with(L"competitive.ini")) << std::string(shown.begin(), shown.end());
    EXPECT_NE(shown.find(L'\u2026'), std::wstring::npos);
    EXPECT_EQ(elideMiddle(path, 0, length), L"\u2026");
}

} // namespace
} // namespace orvane
