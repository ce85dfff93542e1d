#pragma once
// What each settings control of the main window means, written once: the
// field of the record it shows, and how the stored value and the control
// stand for each other. Presenting the record and taking the controls back
// read this table; which "Apply Settings" writes a field is the schema's.
#include "settings/Schema.h"

#include <span>
#include <string_view>

namespace orvane {

enum class Shown {
    Check,         // 0 and 1 as a check box
    InvertedCheck, // the same, the box showing the opposite
    Flag,          // one of Orvane's own switches
    Slider,        // 1..100, its count label showing the position
    Level,         // 0..2 as the list's index
    Depth,         // 16 and 32 as "16 Bit" and "32 Bit"
    Resolution,    // the width, and the height with it, as one of eight sizes
    RefreshRate,   // one of the rates the display offers for the screen mode
    Port,          // the text typed, taken when it is a port the game accepts
    Text,          // an edit's text
    Profile,       // the chosen item of the list read from the profile files
    Account,       // the chosen item of the list of stored account names
    NotShown,      // no control of its own: kept and written as the record holds it
};

struct SettingBinding {
    std::string_view control; // empty where the row is NotShown
    schema::Field field;
    Shown shown;
    std::string_view count = {}; // sliders: the label showing the position
};

// Whether the row's control shows the field: its own, or the height that
// the resolution list shows with the width.
bool showsField(const SettingBinding& row, const schema::Field& field);

// In the order the window presents them.
std::span<const SettingBinding> settingBindings();

} // namespace orvane
