#include "app/GameRunning.h"

#include "files/TextEncoding.h"

#include <algorithm>
#include <string_view>

namespace orvane {
namespace {

struct GameProgram {
    std::string_view fileName;
    bool editor;
};

// clang-format off
constexpr GameProgram GamePrograms[] = {
    {"war3.exe",          false},
    {"Warcraft III.exe",  false},
    {"Frozen Throne.exe", false},
    {"worldedit.exe",     true},
    {"World Editor.exe",  true},
};
// clang-format on

} // namespace

std::optional<std::string> runningGameWarning(const SettingsPlace& place, const Texts& texts)
{
    if (!place.programs)
        return std::nullopt;
    for (const std::string& running : place.programs->fileNames()) {
        const std::string folded = foldCase(running);
        for (const GameProgram& game : GamePrograms)
            if (foldCase(game.fileName) == folded)
                return texts.formatted(
                    "%s is running (%s): close it first, or its own settings may overwrite these when it exits.",
                    {game.editor ? texts("The World Editor of Warcraft III") : "Warcraft III", running});
    }
    return std::nullopt;
}

bool writeDespiteRunningGame(const Context& context)
{
    const std::optional<std::string> warning = runningGameWarning(context.place, context.texts);
    return !warning || context.services.boxes.show({MessageId::GameRunning, context.texts("Warcraft III is running"),
                                                    context.texts.formatted("%s Save the settings anyway?", {*warning}),
                                                    MessageIcon::Warning, MessageButtons::YesNo}) == MessageAnswer::Yes;
}

} // namespace orvane
