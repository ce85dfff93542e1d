// The names that tie the windows' logic to their layout tables, checked in
// one place: a misspelt control fails here, not on a player's click.
#include "app/MainWindow.h"
#include "app/SettingBindings.h"
#include "controls/AccessibleNames.h"
#include "settings/Schema.h"
#include "tests/logic/OrvaneFixture.h"

#include <map>
#include <set>

namespace orvane {
namespace {

class Names : public test::OrvaneFixture {};

// Starting builds every window, and with it every lookup of a control and
// every binding of its handlers; each row's handler must then be bound.
TEST_F(Names, EveryHandlerThatALayoutRowNamesIsBound)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    ASSERT_EQ(toolkit.realised.size(), 7u);
    for (const Window* window : toolkit.realised)
        for (const auto& control : window->controls())
            EXPECT_TRUE(control->available())
                << window->name() << "." << control->name() << " has a handler that no window's logic binds";
}

// Whether a control of that kind can show a setting the way the row says.
bool fits(Shown shown, ControlKind kind)
{
    switch (shown) {
    case Shown::Check:
    case Shown::InvertedCheck:
    case Shown::Flag: return kind == ControlKind::CheckBox;
    case Shown::Slider: return kind == ControlKind::Slider;
    case Shown::Level:
    case Shown::Depth:
    case Shown::Resolution:
    case Shown::RefreshRate:
    case Shown::Profile:
    case Shown::Account: return kind == ControlKind::DropDownList;
    case Shown::Port:
    case Shown::Text: return kind == ControlKind::Edit;
    case Shown::NotShown: return false;
    }
    return false;
}

TEST(BindingTable, EveryRowNamesAControlThatCanShowItAndRaisesTheChangeHandler)
{
    std::map<std::string, const LayoutRow*> layout;
    for (const LayoutRow& row : mainWindowLayout().controls)
        layout[row.name] = &row;
    std::set<std::string_view> controls;
    for (const SettingBinding& row : settingBindings()) {
        if (row.shown == Shown::NotShown) {
            EXPECT_TRUE(row.control.empty());
            continue;
        }
        EXPECT_TRUE(controls.insert(row.control).second) << row.control << " bound twice";
        const auto found = layout.find(std::string(row.control));
        ASSERT_NE(found, layout.end()) << "no control " << row.control << " in the main window";
        EXPECT_TRUE(fits(row.shown, found->second->kind)) << row.control << " cannot show its setting";
        EXPECT_TRUE(found->second->handler == on<&SettingsPresenter::settingChanged>) << row.control;
        if (row.shown == Shown::Slider) {
            const auto count = layout.find(std::string(row.count));
            ASSERT_NE(count, layout.end()) << row.control << " has no count label";
            EXPECT_EQ(count->second->kind, ControlKind::Label);
        }
    }
}

// A setting that an Apply writes but no row names would never be
// presented or taken back; a row for a field no Apply writes, never stored.
TEST(BindingTable, EveryValueAnApplyWritesHasExactlyOneRow)
{
    size_t applied = 0;
    for (const schema::StoredValue& value : schema::storedValues()) {
        if (!value.group)
            continue;
        ++applied;
        const auto rows = std::count_if(settingBindings().begin(), settingBindings().end(),
                                        [&](const SettingBinding& row) { return row.field == value.field; });
        EXPECT_EQ(rows, 1) << value.name << " of " << value.key;
    }
    EXPECT_EQ(settingBindings().size(), applied);
}

TEST(AccessibleNames, AControlIsNamedByItsCaptionItsLabelOrItsBox)
{
    const WindowLayout& main = mainWindowLayout();
    const auto nameOf = [&main](const char* control) {
        const auto row = std::find_if(main.controls.begin(), main.controls.end(),
                                      [control](const LayoutRow& other) { return other.name == control; });
        return accessibleName(main, *row);
    };
    EXPECT_EQ(nameOf("GAS"), "Apply Settings");
    EXPECT_EQ(nameOf("KSTrackBar"), "Keyboard Scrolling (1-100)");
    EXPECT_EQ(nameOf("MSTrackBar"), "Mouse Scrolling (1-100)"); // its check box
    EXPECT_EQ(nameOf("NetGP"), "Network Gameport (1024 - 49151)");
    EXPECT_EQ(nameOf("TCDCombo"), "Texture Color Depth");
    EXPECT_EQ(nameOf("BnetName"), "Battle.net Account Name"); // its box
    for (const LayoutRow& row : main.controls)
        EXPECT_FALSE(accessibleName(main, row).empty()) << row.name;
}

} // namespace
} // namespace orvane
