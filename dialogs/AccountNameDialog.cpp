#include "dialogs/AccountNameDialog.h"

#include <algorithm>

namespace orvane {

// clang-format off
const WindowLayout& accountNameDialogLayout()
{
    using enum ControlKind;
    static const WindowLayout layout{
        .name = "AddBnetForm",
        .caption = "Add a Battle.net account name to the list",
        .clientWidth = 330,
        .clientHeight = 72,
        .controls = {
            {.kind = Label, .name = "Label1", .caption = "Enter a Name:", .left = 8, .top = 12, .height = 13},
            {.kind = Edit, .name = "AddBnetEdit", .left = 88, .top = 8, .width = 233, .height = 21, .tab = 0},
            {.kind = Button, .name = "AddBnetOK", .caption = "OK", .left = 88, .top = 40, .width = 75, .height = 25, .tab = 1, .handler = on<&AccountNameDialog::confirm>},
            {.kind = Button, .name = "AddBnetCancel", .caption = "Cancel", .left = 168, .top = 40, .width = 75, .height = 25, .tab = 2, .handler = on<&AccountNameDialog::cancel>},
        },
    };
    return layout;
}
// clang-format on

AccountNameDialog::AccountNameDialog(Context& context, const std::vector<std::string>& names,
                                     std::function<void(const std::string&)> add)
    : Dialog(accountNameDialogLayout(), context),
      names_(names),
      add_(std::move(add)),
      AddBnetEdit(window_.edit("AddBnetEdit"))
{
    window_.bindHandlers(*this);
}

void AccountNameDialog::open(Window& mainWindow)
{
    Dialog::open(mainWindow);
    AddBnetEdit.setFocus();
}

void AccountNameDialog::confirm()
{
    const std::string name = AddBnetEdit.text();
    if (std::find(names_.begin(), names_.end(), name) != names_.end()) {
        context_.services.boxes.show(
            {MessageId::AccountNameTaken, context_.texts("Name exists already"),
             context_.texts("The name you entered is already added to the list! Choose another name or press Cancel!"),
             MessageIcon::Information, MessageButtons::Ok});
        return;
    }
    AddBnetEdit.setText("");
    close();
    add_(name);
}

void AccountNameDialog::cancel()
{
    close();
}

} // namespace orvane
