#include "tests/logic/OrvaneFixture.h"

namespace orvane::test {

void OrvaneFixture::SetUp()
{
    startedIn = std::filesystem::current_path();
}

void OrvaneFixture::TearDown()
{
    windows.reset();
    context.reset();
    std::filesystem::current_path(startedIn);
}

StartOutcome OrvaneFixture::start(std::vector<std::string> arguments)
{
    windows.reset();
    SettingsPlace place = game.place();
    place.winePrefix = winePrefix;
    place.programs = &programs;
    place.history = historyFolder;
    context = std::make_unique<Context>(Services{toolkitInUse(), boxes, files, starter, display}, std::move(place),
                                        std::move(arguments), folders, texts);
    windows = std::make_unique<Windows>();
    return startProgram(*windows, *context);
}

void OrvaneFixture::click(std::string_view name, Window* window) const
{
    Control& target = (window ? *window : mainWindow()).control(name);
    if (auto* box = dynamic_cast<CheckControl*>(&target))
        box->userClick();
    else
        dynamic_cast<ButtonControl&>(target).userClick();
}

void OrvaneFixture::pick(std::string_view name, const std::string& item) const
{
    ListControl& target = list(name);
    const auto& items = target.items();
    const auto found = std::find(items.begin(), items.end(), item);
    ASSERT_NE(found, items.end()) << name << " has no item " << item;
    target.userSelect(static_cast<int>(found - items.begin()));
}

void OrvaneFixture::type(EditControl& field, const std::string& typed) const
{
    for (char c : typed) {
        const int limit = field.row().maxLength;
        if (limit > 0 && static_cast<int>(field.text().size()) >= limit)
            return;
        field.userEdit(field.text() + c);
    }
}

void OrvaneFixture::retype(std::string_view name, const std::string& typed) const
{
    EditControl& field = edit(name);
    if (typed.empty()) {
        field.userEdit("");
        return;
    }
    field.userEdit(typed.substr(0, 1));
    type(field, typed.substr(1));
}

void OrvaneFixture::pressShortcut(const std::string& shortcut) const
{
    for (const auto& target : mainWindow().controls()) {
        if (target->row().shortcut == shortcut) {
            dynamic_cast<ButtonControl&>(*target).userClick();
            return;
        }
    }
    ADD_FAILURE() << "no menu item has the shortcut " << shortcut;
}

std::vector<std::string> OrvaneFixture::errorTexts() const
{
    std::vector<std::string> texts;
    for (const auto& box : boxes.shown)
        if (box.caption == "Orvane" && box.icon == MessageIcon::Error)
            texts.push_back(box.text);
    return texts;
}

int32_t integerIn(const TestGame& game, std::string_view key, std::string_view name)
{
    auto registry = game.registry();
    return registry->openKey(key).readInteger(name);
}

std::string textIn(const TestGame& game, std::string_view key, std::string_view name)
{
    auto registry = game.registry();
    return registry->openKey(key).readString(name);
}

std::vector<std::string> namesIn(const TestGame& game, std::string_view key)
{
    auto registry = game.registry();
    return registry->openKey(key).valueNames();
}

} // namespace orvane::test
