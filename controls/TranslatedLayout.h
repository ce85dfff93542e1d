#pragma once
// A window's layout in the player's language: every caption, list item and
// tool tip that the catalogue translates, and the title. Places and sizes
// stay as they are: a translation fits the room the English text has.
#include "controls/Layout.h"
#include "language/Texts.h"

namespace orvane {

WindowLayout translated(const WindowLayout& layout, const Texts& texts);

// Every text of the layout that a catalogue may translate (not the rows
// marked verbatim), each once, in
// the table's order, with the control it belongs to (the window's name for
// its title): what the catalogues' template lists.
struct LayoutText {
    std::string text;
    std::string control;
};
std::vector<LayoutText> translatableTexts(const WindowLayout& layout);

} // namespace orvane
