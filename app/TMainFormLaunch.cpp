// Starting the game or the World Editor, which ends Orvane, and opening
// the readme, which does not.
#include "app/TMainForm.h"
#include "settings/Errors.h"
#include "settings/Utf8Paths.h"

namespace orvane {

void TMainForm::startAndEnd(const std::string& program)
{
    // Built afresh each time, so a start that could not begin adds nothing twice.
    const std::string parameters =
        context_.settings.opengl ? context_.StartParams + " -opengl" : context_.StartParams;
    std::string reason;
    if (!context_.services.starter.startProgram(program, parameters, reason))
        throw OrvaneError(reason);
    context_.services.toolkit.quit();
}

void TMainForm::W3IconClick()
{
    startAndEnd(context_.GameExePath);
}

void TMainForm::WEIconClick()
{
    startAndEnd(context_.EditorExePath);
}

void TMainForm::CMHelpReadmeClick()
{
    // Beside Orvane, wherever the folder chooser has moved the current directory since.
    const std::filesystem::path readme = pathOf(context_.StartDir) / "readme.txt";
    std::error_code error;
    if (!std::filesystem::is_regular_file(readme, error))
        throw OrvaneError("The readme " + displayPath(readme) + " does not exist. It belongs beside the Orvane program");
    std::string reason;
    if (!context_.services.starter.openTextFile(displayPath(readme), reason))
        throw OrvaneError(reason);
}

} // namespace orvane
