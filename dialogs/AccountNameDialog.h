#pragma once
#include "dialogs/Dialog.h"

#include <functional>
#include <string>
#include <vector>

namespace orvane {

// Asks for a Battle.net account name to add to the stored list.
class AccountNameDialog : public Dialog {
public:
    // names: the stored list, for the check against names it holds already;
    // add stores a new name once the dialog has closed.
    AccountNameDialog(Context& context, const std::vector<std::string>& names,
                      std::function<void(const std::string&)> add);

    void open(Window& mainWindow);

    // The user's events, which the layout names.
    void confirm();
    void cancel();

private:
    const std::vector<std::string>& names_;
    std::function<void(const std::string&)> add_;
    EditControl& AddBnetEdit;
};

const WindowLayout& accountNameDialogLayout();

} // namespace orvane
