#pragma once
#include "dialogs/Dialog.h"
#include "context/FileDialogs.h"

namespace orvane {

// Orvane's own options: auto-apply, the two executables, start parameters.
class TOptForm : public Dialog {
public:
    explicit TOptForm(Context& context);

    // Filled afresh from the current values, then shown.
    void open(Window& mainWindow);
    void WC3EXEditChange();
    void WEEXEditChange();
    void War3BrowseClick();
    void WEBrowseClick();
    void SaveOptButClick();
    void LeaveOptButClick();

private:
    void browse(EditControl& field, const char* title);

    CheckControl& AASCB;
    EditControl& WC3EXEdit;
    EditControl& WEEXEdit;
    EditControl& ParamEdit;
    // One for both Browse buttons: it starts at the file last chosen by either.
    FileDialog OpenDialog;
};

const WindowLayout& optLayout();

} // namespace orvane
