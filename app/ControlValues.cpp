#include "app/ControlValues.h"

#include "app/Mappings.h"

namespace orvane {
namespace {

// A list whose items stand for values of the field.
struct ListMeaning {
    std::optional<int> (*indexFor)(int32_t value);
    std::optional<int32_t> (*valueAt)(int index);
};
constexpr ListMeaning Levels{levelIndexFor, levelFor};
constexpr ListMeaning Depths{depthIndexFor, depthFor};

const ListMeaning& meaningOf(Shown kind)
{
    return kind == Shown::Level ? Levels : Depths;
}

} // namespace

int32_t& integerField(SettingsSnapshot& record, const SettingBinding& row)
{
    return record.*std::get<schema::IntegerField>(row.field);
}

std::string& textField(SettingsSnapshot& record, const SettingBinding& row)
{
    return record.*std::get<schema::TextField>(row.field);
}

bool& flagField(SettingsSnapshot& record, const SettingBinding& row)
{
    return record.*std::get<schema::BoolField>(row.field);
}

void selectIfAny(ListControl& list, std::optional<int> index)
{
    if (index)
        list.select(*index);
}

void showSwitch(CheckControl& box, int32_t value, bool inverted)
{
    if (const auto checked = checkedFor(value, inverted))
        box.setChecked(*checked);
}

void takeSwitch(const CheckControl& box, int32_t& value, bool inverted)
{
    value = switchFor(box.checked(), inverted);
}

void showSlider(SliderControl& slider, int32_t value)
{
    slider.setPosition(sliderPositionFor(value));
}

void takeSlider(const SliderControl& slider, int32_t& value, LabelControl& count)
{
    value = slider.position();
    count.setCaption(std::to_string(slider.position()));
}

void showChoice(ListControl& list, Shown kind, int32_t value)
{
    selectIfAny(list, meaningOf(kind).indexFor(value));
}

void takeChoice(const ListControl& list, Shown kind, int32_t& value)
{
    if (const auto chosen = meaningOf(kind).valueAt(list.selected()))
        value = *chosen;
}

void showResolution(ListControl& list, int32_t width, int32_t height)
{
    selectIfAny(list, resolutionIndexFor(width, height));
}

void takeResolution(const ListControl& list, int32_t& width, int32_t& height)
{
    if (const auto size = resolutionFor(list.selected()))
        std::tie(width, height) = *size;
}

std::string textOf(const Control& control)
{
    if (const auto* edit = dynamic_cast<const EditControl*>(&control))
        return edit->text();
    return dynamic_cast<const ListControl&>(control).text();
}

ShownState shownStateOf(const Control& control)
{
    if (const auto* box = dynamic_cast<const CheckControl*>(&control))
        return {box->checked() ? 1 : 0, {}};
    if (const auto* slider = dynamic_cast<const SliderControl*>(&control))
        return {slider->position(), {}};
    if (const auto* list = dynamic_cast<const ListControl*>(&control))
        return {list->selected(), list->text()};
    return {0, textOf(control)};
}

} // namespace orvane
