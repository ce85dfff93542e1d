#include "dialogs/ProfileRenameDialog.h"

#include "config/IniDocument.h"

namespace orvane {

// clang-format off
const WindowLayout& profileRenameDialogLayout()
{
    using enum ControlKind;
    static const WindowLayout layout{
        .name = "RenCPForm",
        .caption = "Rename Campaign Profile",
        .clientWidth = 355,
        .clientHeight = 104,
        .controls = {
            {.kind = Label, .name = "Label1", .caption = "Old Name:", .left = 8, .top = 12, .height = 13},
            {.kind = Edit, .name = "OldCPName", .left = 72, .top = 8, .width = 121, .height = 21, .maxLength = 15},
            {.kind = Label, .name = "Label2", .caption = "New Name:", .left = 8, .top = 44, .height = 13},
            {.kind = Edit, .name = "NewCPName", .left = 72, .top = 40, .width = 121, .height = 21, .tab = 2, .maxLength = 15},
            {.kind = Label, .name = "Label3", .caption = "(max. 15 characters)", .left = 200, .top = 44, .height = 13},
            {.kind = Button, .name = "RenCPOK", .caption = "OK", .left = 96, .top = 72, .width = 75, .height = 25, .tab = 0, .handler = on<&ProfileRenameDialog::confirm>},
            {.kind = Button, .name = "RenCPCancel", .caption = "Cancel", .left = 184, .top = 72, .width = 75, .height = 25, .tab = 1, .handler = on<&ProfileRenameDialog::cancel>},
        },
    };
    return layout;
}
// clang-format on

ProfileRenameDialog::ProfileRenameDialog(Context& context, std::function<void(const std::string&)> rename)
    : Dialog(profileRenameDialogLayout(), context),
      rename_(std::move(rename)),
      OldCPName(window_.edit("OldCPName")),
      NewCPName(window_.edit("NewCPName"))
{
    OldCPName.setEnabled(false);
    window_.bindHandlers(*this);
}

void ProfileRenameDialog::open(Window& mainWindow, const std::string& oldName)
{
    Dialog::open(mainWindow);
    OldCPName.setText(oldName);
    NewCPName.setFocus();
}

void ProfileRenameDialog::confirm()
{
    // The profile file keeps no blanks at a name's ends: "Bob " reads back "Bob".
    const std::string name(trimmed(NewCPName.text()));
    if (OldCPName.text() == name) {
        context_.services.boxes.show({MessageId::SameProfileName, context_.texts("Fatal Error"),
                                      context_.texts("Choose a different name!"), MessageIcon::Information,
                                      MessageButtons::Ok});
        return;
    }
    rename_(name);
    close();
}

void ProfileRenameDialog::cancel()
{
    close();
}

} // namespace orvane
