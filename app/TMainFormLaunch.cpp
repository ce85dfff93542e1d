// Starting the game or the World Editor, which ends Orvane, and opening
// the readme, which does not.
#include "app/ProgramState.h"
#include "app/TMainForm.h"
#include "platform/HostPaths.h"
#include "platform/ProgramStarter.h"
#include "settings/Errors.h"

namespace orvane {
namespace {

// The start parameters as the game and the editor receive them. Built
// afresh each time, so a start that could not begin adds nothing twice.
std::string launchParameters()
{
    const ProgramState& state = programState();
    return state.settings.opengl ? state.StartParams + " -opengl" : state.StartParams;
}

void startAndEnd(const std::string& program)
{
    std::string reason;
    if (!programStarter().startProgram(program, launchParameters(), reason))
        throw OrvaneError(reason);
    if (Toolkit* toolkit = programState().toolkit)
        toolkit->quit();
}

} // namespace

void TMainForm::W3IconClick()
{
    startAndEnd(programState().GameExePath);
}

void TMainForm::WEIconClick()
{
    startAndEnd(programState().EditorExePath);
}

void TMainForm::CMHelpReadmeClick()
{
    // Beside Orvane, wherever the folder chooser has moved the current directory since.
    const std::filesystem::path readme = pathOf(programState().StartDir) / "readme.txt";
    std::error_code error;
    if (!std::filesystem::is_regular_file(readme, error))
        throw OrvaneError("The readme " + displayPath(readme) + " does not exist. It belongs beside the Orvane program");
    std::string reason;
    if (!programStarter().openTextFile(displayPath(readme), reason))
        throw OrvaneError(reason);
}

} // namespace orvane
