#pragma once
// Windows described as data. Every toolkit builds its windows from these
// tables; no other copy of places, captions or hints exists.
#include "controls/Handler.h"

#include <string>
#include <vector>

namespace orvane {

enum class ControlKind {
    GroupBox,
    Label,
    CheckBox,
    Slider,       // horizontal, ticks below, one per step
    DropDownList, // pick only
    ListBox,      // all items shown; a click highlights, a double click or Enter opens
    Edit,
    Button,
    Image,     // a picture that reports a click
    Link,      // a label that reports a click: bold and blue, red and underlined under the pointer
    StatusBar, // panels side by side, text centred
    Menu,      // a drop-down menu of the menu bar
    MenuItem,  // in a menu, or on the bar itself when its parent is ""
    Separator,
};

struct LayoutRow {
    ControlKind kind;
    std::string name;
    std::string parent; // "" for the client area (or the menu bar)
    std::string caption;
    std::vector<std::string> items;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int tab = -1; // place in its container's keyboard order; -1: none
    std::string hint;
    Handler handler;   // run by the user's change or click
    int maxLength = 0; // edits: characters the user may type; 0: no limit
    bool hidden = false;
    bool centred = false;         // labels: the text centred in its width
    bool verbatim = false;        // a name, an address or a version: the same in every language
    std::string shortcut;         // menu items: "F5", "Ctrl+L"
    std::string picture;          // images: "game" or "editor"
    std::vector<int> panelWidths; // status bar
    int minimum = 1;              // sliders
    int maximum = 100;
};

struct WindowLayout {
    std::string name;
    std::string caption;
    int clientWidth = 0;
    int clientHeight = 0;
    bool mainWindow = false; // resizable never; minimise and close only for the main window
    std::vector<LayoutRow> controls;
};

// The Win32 control ID of a control: fixed by its row in the table.
int controlId(const WindowLayout& window, const std::string& name);
inline constexpr int FirstControlId = 1000;

} // namespace orvane
