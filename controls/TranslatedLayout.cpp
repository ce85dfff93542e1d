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

void translate(std::string& text, const Texts& texts)
{
    if (isWords(text))
        text = texts(text);
}

} // namespace

WindowLayout translated(const WindowLayout& layout, const Texts& texts)
{
    WindowLayout result = layout;
    if (texts.language().empty())
        return result;
    translate(result.caption, texts);
    for (LayoutRow& row : result.controls) {
        if (!row.verbatim)
            translate(row.caption, texts);
        translate(row.hint, texts);
        for (std::string& item : row.items)
            translate(item, texts);
    }
    return result;
}

std::vector<LayoutText> translatableTexts(const WindowLayout& layout)
{
    std::vector<LayoutText> found;
    const auto add = [&found](const std::string& text, const std::string& control) {
        if (isWords(text) &&
            std::none_of(found.begin(), found.end(), [&](const LayoutText& had) { return had.text == text; }))
            found.push_back({text, control});
    };
    add(layout.caption, layout.name);
    for (const LayoutRow& row : layout.controls) {
        if (!row.verbatim)
            add(row.caption, row.name);
        add(row.hint, row.name);
        for (const std::string& item : row.items)
            add(item, row.name);
    }
    return found;
}

} // namespace orvane
