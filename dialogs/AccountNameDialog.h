#pragma once
#include "dialogs/Dialog.h"

#include <functional>

namespace orvane {

// Asks for a Battle.net account name to add to the stored list.
class TAddBnetForm : public Dialog {
public:
    // readBnetUsers stores the pending name once the dialog has closed.
    TAddBnetForm(Context& context, std::function<void()> readBnetUsers);

    void open(Window& mainWindow);
    void AddBnetOKClick();
    void AddBnetCancelClick();

private:
    std::function<void()> readBnetUsers_;
    EditControl& AddBnetEdit;
};

const WindowLayout& addBnetLayout();

} // namespace orvane
