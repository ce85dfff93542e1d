#include "dialogs/OptionsDialog.h"

#include "settings/Schema.h"
#include "settings/SettingsRegistry.h"
#include "files/Utf8Paths.h"

namespace orvane {
namespace {

bool fileExists(const PathMapping& paths, const std::string& windowsPath)
{
    std::error_code error;
    return !windowsPath.empty() && std::filesystem::is_regular_file(paths.hostPath(windowsPath), error);
}

} // namespace

// clang-format off
const WindowLayout& optionsDialogLayout()
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
            {.kind = Edit, .name = "WC3EXEdit", .left = 8, .top = 46, .width = 345, .height = 21, .tab = 1, .handler = on<&OptionsDialog::gameProgramTyped>},
            {.kind = Button, .name = "War3Browse", .caption = "Browse", .left = 360, .top = 46, .width = 72, .height = 21, .tab = 2, .handler = on<&OptionsDialog::browseForGame>},
            {.kind = Label, .name = "Label2", .caption = "Path for World - Editor  executeable:", .left = 8, .top = 74, .height = 13},
            {.kind = Edit, .name = "WEEXEdit", .left = 8, .top = 88, .width = 345, .height = 21, .tab = 3, .handler = on<&OptionsDialog::editorProgramTyped>},
            {.kind = Button, .name = "WEBrowse", .caption = "Browse", .left = 360, .top = 88, .width = 72, .height = 21, .tab = 4, .handler = on<&OptionsDialog::browseForEditor>},
            {.kind = Label, .name = "Label3", .caption = "Add startup parameters:", .left = 8, .top = 116, .height = 13},
            {.kind = Edit, .name = "ParamEdit", .left = 136, .top = 112, .width = 296, .height = 21, .tab = 5},
            {.kind = Button, .name = "SaveOptBut", .caption = "Save Settings", .left = 232, .top = 138, .width = 97, .height = 25, .tab = 6, .handler = on<&OptionsDialog::save>},
            {.kind = Button, .name = "LeaveOptBut", .caption = "Leave without saving", .left = 335, .top = 138, .width = 97, .height = 25, .tab = 7, .handler = on<&OptionsDialog::leave>},
        },
    };
    return layout;
}
// clang-format on

OptionsDialog::OptionsDialog(Context& context, LaunchPrograms& programs)
    : Dialog(optionsDialogLayout(), context),
      programs_(programs),
      AASCB(window_.check("AASCB")),
      WC3EXEdit(window_.edit("WC3EXEdit")),
      WEEXEdit(window_.edit("WEEXEdit")),
      ParamEdit(window_.edit("ParamEdit")),
      OpenDialog(context.services.fileDialogs, {.purpose = FileDialogRequest::Purpose::Open,
                                                .name = "OpenDialog",
                                                .filterName = context.texts("Executeables (*.exe)"),
                                                .filterPattern = "*.exe"})
{
    window_.bindHandlers(*this);
}

void OptionsDialog::open(Window& mainWindow)
{
    WC3EXEdit.setText(programs_.game);
    WEEXEdit.setText(programs_.editor);
    ParamEdit.setText(context_.settings.startparams);
    AASCB.setChecked(context_.settings.autoapply);
    // A text already in the field raises no change, but the hint must follow it.
    gameProgramTyped();
    editorProgramTyped();
    Dialog::open(mainWindow);
}

void OptionsDialog::gameProgramTyped()
{
    WC3EXEdit.setHint(WC3EXEdit.text());
}

void OptionsDialog::editorProgramTyped()
{
    WEEXEdit.setHint(WEEXEdit.text());
}

void OptionsDialog::browseForGame()
{
    browse(WC3EXEdit, context_.texts("Select Warcraft III executeable"));
}

void OptionsDialog::browseForEditor()
{
    browse(WEEXEdit, context_.texts("Select World - Editor executeable"));
}

void OptionsDialog::browse(EditControl& field, const std::string& title)
{
    OpenDialog.setTitle(title);
    if (const std::optional<std::string> chosen = OpenDialog.execute(); chosen && !chosen->empty())
        field.setText(context_.place.paths.windowsPath(pathOf(*chosen))); // as the game will see it
}

void OptionsDialog::save()
{
    SettingsSnapshot& record = context_.settings;
    record.autoapply = AASCB.checked();
    if (fileExists(context_.place.paths, WC3EXEdit.text()))
        programs_.game = WC3EXEdit.text();
    if (fileExists(context_.place.paths, WEEXEdit.text()))
        programs_.editor = WEEXEdit.text();
    record.startparams = ParamEdit.text();
    context_.history.nameChange(translatable("Options"));
    RegistryKey own = context_.registry->createKey(schema::OrvaneKey);
    for (const auto field :
         {schema::Field{&SettingsSnapshot::autoapply}, schema::Field{&SettingsSnapshot::startparams}})
        writeSetting(own, schema::rowOf(field), record);
    close();
}

void OptionsDialog::leave()
{
    close();
}

} // namespace orvane
