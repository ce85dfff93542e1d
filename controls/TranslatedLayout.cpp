#include "controls/TranslatedLayout.h"

#include <algorithm>
#include <cctype>

namespace orvane {
namespace {

// Numbers, screen modes and the like ("800x600", "1") are no words to translate.
bool isWords(const std::string& text)
{
    return std::count_if(text.begin(), text.end(),
                         [](char c) { return std::isalpha(static_cast<unsigned char>(c)); }) >= 2;
}

// Every text of the layout a catalogue may translate, with the control it
// belongs to: the one definition that translating and the template share.
template <class Layout, class Visit>
void eachTranslatableText(Layout& layout, Visit visit)
{
    const auto offer = [&visit](auto& text, const std::string& control) {
        if (isWords(text))
            visit(text, control);
    };
    offer(layout.caption, layout.name);
    for (auto& row : layout.controls) {
        if (!row.verbatim)
            offer(row.caption, row.name);
        offer(row.hint, row.name);
        for (auto& item : row.items)
            offer(item, row.name);
    }
}

} // namespace

WindowLayout translated(const WindowLayout& layout, const Texts& texts)
{
    WindowLayout result = layout;
    if (!texts.language().empty())
        eachTranslatableText(result, [&texts](std::string& text, const std::string&) { text = texts(text); });
    return result;
}

std::vector<LayoutText> translatableTexts(const WindowLayout& layout)
{
    std::vector<LayoutText> found;
    eachTranslatableText(layout, [&found](const std::string& text, const std::string& control) {
        if (std::none_of(found.begin(), found.end(), [&](const LayoutText& had) { return had.text == text; }))
            found.push_back({text, control});
    });
    return found;
}

} // namespace orvane
