#pragma once
#include "context/FileDialogs.h"
#include "dialogs/Dialog.h"

#include <string>

namespace orvane {

// The programs the main window's two pictures start; the Options dialog
// may change them for this run.
struct LaunchPrograms {
    std::string game;
    std::string editor;
};

// Orvane's own options: auto-apply, the two executables, start parameters.
class OptionsDialog : public Dialog {
public:
    OptionsDialog(Context& context, LaunchPrograms& programs);

    // Filled afresh from the current values, then shown.
    void open(Window& mainWindow);

    // The user's events, which the layout names.
    void gameProgramTyped();
    void editorProgramTyped();
    void browseForGame();
    void browseForEditor();
    void save();
    void leave();

private:
    void browse(EditControl& field, const std::string& title);

    LaunchPrograms& programs_;
    CheckControl& AASCB;
    EditControl& WC3EXEdit;
    EditControl& WEEXEdit;
    EditControl& ParamEdit;
    // One for both Browse buttons: it starts at the file last chosen by either.
    FileDialog OpenDialog;
};

const WindowLayout& optionsDialogLayout();

} // namespace orvane
