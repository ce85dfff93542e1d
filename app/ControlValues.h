#pragma once
// How each kind of settings control shows a field of the record and gives
// it back, the two directions side by side so that they cannot drift apart.
// Showing, a value the control cannot show leaves the control as it was;
// taking, a control that shows nothing valid leaves the field.
#include "app/SettingBindings.h"
#include "controls/Controls.h"
#include "settings/SettingsSnapshot.h"

#include <string>

namespace orvane {

// The row's field in the record, by the field's kind.
int32_t& integerField(SettingsSnapshot& record, const SettingBinding& row);
std::string& textField(SettingsSnapshot& record, const SettingBinding& row);
bool& flagField(SettingsSnapshot& record, const SettingBinding& row);

// 0 and 1 as a check box; inverted, the box shows the opposite.
void showSwitch(CheckControl& box, int32_t value, bool inverted);
void takeSwitch(const CheckControl& box, int32_t& value, bool inverted);

// 1..100 as the slider's position, which its count label repeats.
void showSlider(SliderControl& slider, int32_t value);
void takeSlider(const SliderControl& slider, int32_t& value, LabelControl& count);

// A level (0..2) or a colour depth (16, 32) as the list's chosen item.
void showChoice(ListControl& list, Shown kind, int32_t value);
void takeChoice(const ListControl& list, Shown kind, int32_t& value);

// The width and height together as one of the list's sizes.
void showResolution(ListControl& list, int32_t width, int32_t height);
void takeResolution(const ListControl& list, int32_t& width, int32_t& height);

// An edit's text, or the item a list shows.
std::string textOf(const Control& control);

// What a control shows, to tell whether the player has changed it since
// it showed a field: a control still as shown takes nothing back, so a
// value it cannot show is never replaced by what it shows instead.
struct ShownState {
    int position = 0; // a box's check, a slider's position, a list's index
    std::string text; // an edit's or a list's
    bool operator==(const ShownState&) const = default;
};
ShownState shownStateOf(const Control& control);

// Selects the item, if there is one to select.
void selectIfAny(ListControl& list, std::optional<int> index);

} // namespace orvane
