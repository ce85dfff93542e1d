// Starting the game or the World Editor, which ends Orvane, and opening
// the readme, which does not.
#include "app/MainWindow.h"
#include "files/Errors.h"
#include "files/Utf8Paths.h"

namespace orvane {

void MainWindow::startAndEnd(const std::string& program)
{
    // Built afresh each time, so a start that could not begin adds nothing twice.
    const SettingsSnapshot& record = context_.settings;
    const std::string parameters = record.opengl ? record.startparams + " -opengl" : record.startparams;
    std::string reason;
    if (!context_.services.starter.startProgram(program, parameters, reason))
        throw OrvaneError(reason);
    context_.services.toolkit.quit();
}

void MainWindow::startGame()
{
    startAndEnd(programs_.game);
}

void MainWindow::startEditor()
{
    startAndEnd(programs_.editor);
}

void MainWindow::openReadme()
{
    // The folder Orvane started in (wherever the folder chooser has moved the
    // current directory since), then the program's own, then the installed documents.
    std::vector<std::filesystem::path> places{installation_.startFolder, context_.folders.program,
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
    throw OrvaneError(context_.texts.formatted(
        "The readme readme.txt is in none of the folders Orvane looks in (%s). Install Orvane again to bring it back",
        {searched}));
}

} // namespace orvane
