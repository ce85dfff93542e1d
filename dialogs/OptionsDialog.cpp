#include "dialogs/OptionsDialog.h"

#include "settings/Schema.h"
#include "settings/Utf8Paths.h"

namespace orvane {
namespace {

bool fileExists(const PathMapping& paths, const std::string& windowsPath)
{
    std::error_code error;
    return !windowsPath.empty() && std::filesystem::is_regular_file(paths.hostPath(windowsPath), error);
}

} // namespace

const WindowLayout& optLayout()
{
    using enum ControlKind;
    static const WindowLayout layout{
        .name = "OptForm",
        .caption = "Options",
        .clientWidth = 440,
        .clientHeight = 166,
        .controls = {
            {.kind = CheckBox, .name = "AASCB", .caption = "Auto - Apply Settings", .left = 8, .top = 8, .width = 137, .height = 17, .tab = 0},
            {.kind = Label, .name = "Label1", .caption = "Path for Warcraft III executeable:", .left = 8, .top = 32, .height = 13},
            {.kind = Edit, .name = "WC3EXEdit", .left = 8, .top = 46, .width = 345, .height = 21, .tab = 1, .handler = "WC3EXEditChange"},
            {.kind = Button, .name = "War3Browse", .caption = "Browse", .left = 360, .top = 46, .width = 72, .height = 21, .tab = 2, .handler = "War3BrowseClick"},
            {.kind = Label, .name = "Label2", .caption = "Path for World - Editor  executeable:", .left = 8, .top = 74, .height = 13},
            {.kind = Edit, .name = "WEEXEdit", .left = 8, .top = 88, .width = 345, .height = 21, .tab = 3, .handler = "WEEXEditChange"},
            {.kind = Button, .name = "WEBrowse", .caption = "Browse", .left = 360, .top = 88, .width = 72, .height = 21, .tab = 4, .handler = "WEBrowseClick"},
            {.kind = Label, .name = "Label3", .caption = "Add startup parameters:", .left = 8, .top = 116, .height = 13},
            {.kind = Edit, .name = "ParamEdit", .left = 136, .top = 112, .width = 296, .height = 21, .tab = 5},
            {.kind = Button, .name = "SaveOptBut", .caption = "Save Settings", .left = 232, .top = 138, .width = 97, .height = 25, .tab = 6, .handler = "SaveOptButClick"},
            {.kind = Button, .name = "LeaveOptBut", .caption = "Leave without saving", .left = 335, .top = 138, .width = 97, .height = 25, .tab = 7, .handler = "LeaveOptButClick"},
        },
    };
    return layout;
}

TOptForm::TOptForm(Context& context)
    : Dialog(optLayout(), context), AASCB(window_.check("AASCB")), WC3EXEdit(window_.edit("WC3EXEdit")),
      WEEXEdit(window_.edit("WEEXEdit")), ParamEdit(window_.edit("ParamEdit")),
      OpenDialog(context.services.fileDialogs, {.purpose = FileDialogRequest::Purpose::Open,
                  .name = "OpenDialog",
                  .filterName = "Executeables (*.exe)",
                  .filterPattern = "*.exe"})
{
    window_.bind("WC3EXEditChange", [this] { WC3EXEditChange(); });
    window_.bind("WEEXEditChange", [this] { WEEXEditChange(); });
    window_.bind("War3BrowseClick", [this] { War3BrowseClick(); });
    window_.bind("WEBrowseClick", [this] { WEBrowseClick(); });
    window_.bind("SaveOptButClick", [this] { SaveOptButClick(); });
    window_.bind("LeaveOptButClick", [this] { LeaveOptButClick(); });
}

void TOptForm::open(Window& mainWindow)
{
    const Context& state = context_;
    WC3EXEdit.setText(state.GameExePath);
    WEEXEdit.setText(state.EditorExePath);
    ParamEdit.setText(state.StartParams);
    AASCB.setChecked(state.settings.autoapply);
    // A text already in the field raises no change, but the hint must follow it.
    WC3EXEditChange();
    WEEXEditChange();
    Dialog::open(mainWindow);
}

void TOptForm::WC3EXEditChange()
{
    WC3EXEdit.setHint(WC3EXEdit.text());
}

void TOptForm::WEEXEditChange()
{
    WEEXEdit.setHint(WEEXEdit.text());
}

void TOptForm::War3BrowseClick()
{
    browse(WC3EXEdit, "Select Warcraft III executeable");
}

void TOptForm::WEBrowseClick()
{
    browse(WEEXEdit, "Select World - Editor executeable");
}

void TOptForm::browse(EditControl& field, const char* title)
{
    OpenDialog.setTitle(title);
    if (const std::optional<std::string> chosen = OpenDialog.execute(); chosen && !chosen->empty())
        field.setText(context_.place.paths.windowsPath(pathOf(*chosen))); // as the game will see it
}

void TOptForm::SaveOptButClick()
{
    Context& state = context_;
    state.settings.autoapply = AASCB.checked();
    if (fileExists(state.place.paths, WC3EXEdit.text()))
        state.GameExePath = WC3EXEdit.text();
    if (fileExists(state.place.paths, WEEXEdit.text()))
        state.EditorExePath = WEEXEdit.text();
    state.StartParams = ParamEdit.text();
    state.registry->OpenKey(schema::OrvaneKey, true);
    state.registry->WriteBool(schema::AutoApply, state.settings.autoapply);
    state.registry->WriteString(schema::StartParams, state.StartParams);
    state.registry->CloseKey();
    close();
}

void TOptForm::LeaveOptButClick()
{
    close();
}

} // namespace orvane
