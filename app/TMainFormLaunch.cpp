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
    // The folder Orvane started in (wherever the folder chooser has moved the
    // current directory since), then the program's own, then the installed documents.
    std::vector<std::filesystem::path> places{pathOf(context_.StartDir), context_.folders.program,
                                              context_.folders.documents};
    std::erase(places, std::filesystem::path());
    std::string searched;
    for (const std::filesystem::path& folder : places) {
        const std::filesystem::path readme = folder / "readme.txt";
        std::error_code error;
        if (std::filesystem::is_regular_file(readme, error)) {
            std::string reason;
            if (!context_.services.starter.openTextFile(displayPath(readme), reason))
                throw OrvaneError(reason);
            return;
        }
        searched += (searched.empty() ? "" : ", ") + displayPath(folder);
    }
    throw OrvaneError("The readme readme.txt is in none of the folders Orvane looks in (" + searched +
                      "). Install Orvane again to bring it back");
}

} // namespace orvane
