#include "dialogs/AccountNameDialog.h"


#include <algorithm>

namespace orvane {

const WindowLayout& addBnetLayout()
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
            {.kind = Button, .name = "AddBnetOK", .caption = "OK", .left = 88, .top = 40, .width = 75, .height = 25, .tab = 1, .handler = "AddBnetOKClick"},
            {.kind = Button, .name = "AddBnetCancel", .caption = "Cancel", .left = 168, .top = 40, .width = 75, .height = 25, .tab = 2, .handler = "AddBnetCancelClick"},
        },
    };
    return layout;
}

TAddBnetForm::TAddBnetForm(Context& context, std::function<void()> readBnetUsers)
    : Dialog(addBnetLayout(), context), readBnetUsers_(std::move(readBnetUsers)), AddBnetEdit(window_.edit("AddBnetEdit"))
{
    window_.bind("AddBnetOKClick", [this] { AddBnetOKClick(); });
    window_.bind("AddBnetCancelClick", [this] { AddBnetCancelClick(); });
}

void TAddBnetForm::open(Window& mainWindow)
{
    Dialog::open(mainWindow);
    AddBnetEdit.setFocus();
}

void TAddBnetForm::AddBnetOKClick()
{
    Context& state = context_;
    const std::string& name = AddBnetEdit.text();
    if (std::find(state.AccountList.begin(), state.AccountList.end(), name) != state.AccountList.end()) {
        state.services.boxes.show({"Name exists already",
                             "The name you entered is already added to the list! Choose another name or press Cancel!",
                             MessageIcon::Information, MessageButtons::Ok});
        return;
    }
    state.PendingAdd = {name, true};
    AddBnetEdit.setText("");
    close();
    readBnetUsers_();
}

void TAddBnetForm::AddBnetCancelClick()
{
    close();
}

} // namespace orvane
