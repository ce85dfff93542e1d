#pragma once
#include "dialogs/Dialog.h"

#include <functional>
#include <string>

namespace orvane {

// Asks for a new name of the current campaign profile.
class TRenCPForm : public Dialog {
public:
    // rename does the work once a new name is confirmed; an error it raises
    // leaves the dialog open.
    TRenCPForm(Context& context, std::function<void(const std::string&)> rename);

    void open(Window& mainWindow, const std::string& oldName);
    void RenCPOKClick();
    void RenCPCancelClick();

private:
    std::function<void(const std::string&)> rename_;
    EditControl& OldCPName;
    EditControl& NewCPName;
};

const WindowLayout& renCPLayout();

} // namespace orvane
