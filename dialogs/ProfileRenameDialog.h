#pragma once
#include "dialogs/Dialog.h"

#include <functional>
#include <string>

namespace orvane {

// Asks for a new name of the current campaign profile.
class ProfileRenameDialog : public Dialog {
public:
    // rename does the work once a new name is confirmed; an error it raises
    // leaves the dialog open.
    ProfileRenameDialog(Context& context, std::function<void(const std::string&)> rename);

    void open(Window& mainWindow, const std::string& oldName);
    // The user's events, which the layout names.
    void confirm();
    void cancel();

private:
    std::function<void(const std::string&)> rename_;
    EditControl& OldCPName;
    EditControl& NewCPName;
};

const WindowLayout& profileRenameDialogLayout();

} // namespace orvane
