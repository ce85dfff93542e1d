#include "app/GameRunning.h"

#include "files/TextEncoding.h"

#include <algorithm>
#include <string_view>

namespace orvane {
namespace {

struct GameProgram {
    std::string_view fileName;
    std::string_view title;
};

// clang-format off
constexpr GameProgram GamePrograms[] = {
    {"war3.exe",          "Warcraft III"},
    {"Warcraft III.exe",  "Warcraft III"},
    {"Frozen Throne.exe", "Warcraft III"},
    {"worldedit.exe",     "The World Editor of Warcraft III"},
    {"World Editor.exe",  "The World Editor of Warcraft III"},
};
// clang-format on

} // namespace

std::optional<std::string> runningGameWarning(const SettingsPlace& place)
{
    if (!place.programs)
        return std::nullopt;
    for (const std::string& running : place.programs->fileNames()) {
        const std::string folded = foldCase(running);
        for (const GameProgram& game : GamePrograms)
            if (foldCase(game.fileName) == folded)
                return std::string(game.title) + " is running (" + running +
                       "): close it first, or its own settings may overwrite these when it exits.";
    }
    return std::nullopt;
}

bool writeDespiteRunningGame(const Context& context)
{
    const std::optional<std::string> warning = runningGameWarning(context.place);
    return !warning || context.services.boxes.show({MessageId::GameRunning, "Warcraft III is running",
                                                    *warning + " Save the settings anyway?", MessageIcon::Warning,
                                                    MessageButtons::YesNo}) == MessageAnswer::Yes;
}

} // namespace orvane
