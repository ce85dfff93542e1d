// The record and the settings controls, both ways, by the binding table:
// presenting it, taking the controls back after every user change, and
// the four "Apply Settings" buttons.
#include "app/Mappings.h"
#include "app/TMainForm.h"
#include "settings/ApplySettings.h"
#include "settings/Conversions.h"

namespace orvane {
namespace {

int32_t& integerField(SettingsSnapshot& record, const SettingBinding& row)
{
    return record.*std::get<schema::IntegerField>(row.field);
}

std::string& textField(SettingsSnapshot& record, const SettingBinding& row)
{
    return record.*std::get<schema::TextField>(row.field);
}

bool& flagField(SettingsSnapshot& record, const SettingBinding& row)
{
    return record.*std::get<schema::BoolField>(row.field);
}

void select(ListControl& list, std::optional<int> index)
{
    if (index)
        list.select(*index);
}

} // namespace

void TMainForm::UseRegData()
{
    context_.ControlsFilled = false;
    const auto rows = settingBindings();
    for (size_t i = 0; i < rows.size(); ++i)
        if (boundControls_[i])
            presentSetting(rows[i], *boundControls_[i]);
    context_.ControlsFilled = true;
    setPanelText(1, "No changes have been made!");
    ChangeSettings();
}

// The stored value in its control; a value the control cannot show leaves
// the control as it was.
void TMainForm::presentSetting(const SettingBinding& row, Control& control)
{
    SettingsSnapshot& record = context_.settings;
    switch (row.shown) {
    case Shown::Check:
    case Shown::InvertedCheck:
        if (const auto checked = checkedFor(integerField(record, row), row.shown == Shown::InvertedCheck))
            dynamic_cast<CheckControl&>(control).setChecked(*checked);
        break;
    case Shown::Flag: dynamic_cast<CheckControl&>(control).setChecked(flagField(record, row)); break;
    case Shown::Slider:
        dynamic_cast<SliderControl&>(control).setPosition(sliderPositionFor(integerField(record, row)));
        break;
    case Shown::Level: select(dynamic_cast<ListControl&>(control), levelIndexFor(integerField(record, row))); break;
    case Shown::Depth: select(dynamic_cast<ListControl&>(control), depthIndexFor(integerField(record, row))); break;
    case Shown::Resolution:
        select(dynamic_cast<ListControl&>(control), resolutionIndexFor(record.reswidth, record.resheight));
        break;
    case Shown::RefreshRate: presentRefreshRates(); break;
    case Shown::Port: dynamic_cast<EditControl&>(control).setText(std::to_string(integerField(record, row))); break;
    case Shown::Text: dynamic_cast<EditControl&>(control).setText(textField(record, row)); break;
    case Shown::Profile: ReadProfiles(); break;
    case Shown::Account: break; // ReadBnetUsers has filled and chosen it
    case Shown::NotShown: break;
    }
}

void TMainForm::UpdButinvClick()
{
    if (!context_.ControlsFilled)
        return;
    ChangeSettings();
    setPanelText(1, "Changes have been made!");
}

void TMainForm::ChangeSettings()
{
    const auto rows = settingBindings();
    for (size_t i = 0; i < rows.size(); ++i)
        if (boundControls_[i])
            takeSetting(rows[i], *boundControls_[i]);
    MSTrackBar.setEnabled(MSCB.checked());
    for (Control* dependent : std::initializer_list<Control*>{&SFXTrackBar, &EnvCB, &MovCB, &URCB})
        dependent->setEnabled(SFXCB.checked());
    MusicTrackBar.setEnabled(MCB.checked());
    if (context_.settings.autoapply)
        SaveSettings("all");
}

// The control's state into the record; a control that shows nothing valid
// leaves the field as it was.
void TMainForm::takeSetting(const SettingBinding& row, Control& control)
{
    SettingsSnapshot& record = context_.settings;
    switch (row.shown) {
    case Shown::Check:
    case Shown::InvertedCheck:
        integerField(record, row) =
            switchFor(dynamic_cast<CheckControl&>(control).checked(), row.shown == Shown::InvertedCheck);
        break;
    case Shown::Flag: flagField(record, row) = dynamic_cast<CheckControl&>(control).checked(); break;
    case Shown::Slider:
        integerField(record, row) = dynamic_cast<SliderControl&>(control).position();
        window_.label(row.count).setCaption(std::to_string(integerField(record, row)));
        break;
    case Shown::Level:
        if (const auto level = levelFor(dynamic_cast<ListControl&>(control).selected()))
            integerField(record, row) = *level;
        break;
    case Shown::Depth:
        if (const auto depth = depthFor(dynamic_cast<ListControl&>(control).selected()))
            integerField(record, row) = *depth;
        break;
    case Shown::Resolution:
        if (const auto size = resolutionFor(dynamic_cast<ListControl&>(control).selected()))
            std::tie(record.reswidth, record.resheight) = *size;
        break;
    case Shown::RefreshRate:
        // The rate shown is taken before the list is rebuilt for the new mode.
        if (const auto rate = rateAt(context_.RefreshRateList, RRCombo.selected()))
            record.refreshrate = *rate;
        rebuildRefreshRates();
        break;
    case Shown::Port: takePort(); break;
    case Shown::Text: textField(record, row) = dynamic_cast<EditControl&>(control).text(); break;
    case Shown::Profile:
    case Shown::Account: textField(record, row) = dynamic_cast<ListControl&>(control).text(); break;
    case Shown::NotShown: break;
    }
}

// A typed port counts once it is one the game accepts.
void TMainForm::takePort()
{
    const std::string& port = NetGP.text();
    if (port.empty())
        return;
    const int32_t typed = StrToInt(port);
    if (typed >= LowestPort && typed <= HighestPort)
        context_.settings.netgameport = typed;
}

// RefreshRateList and RRCombo's items for the record's screen mode, built
// afresh, so that no selection of the last mode's list stands for a rate of
// this one. Returns the mode's top rate.
int32_t TMainForm::fillRefreshRates()
{
    const SettingsSnapshot& record = context_.settings;
    AskedDisplayModes display(context_.services.displayModes.modes()); // once for the list and its top
    context_.RefreshRateList = ListRefreshRates(display, record.reswidth, record.resheight, record.colordepth);
    RRCombo.clear();
    RRCombo.addItems(rateTexts(context_.RefreshRateList));
    return MaxRefreshRate(display, record.reswidth, record.resheight, record.colordepth);
}

void TMainForm::presentRefreshRates()
{
    const int32_t top = fillRefreshRates();
    select(RRCombo, presentedRateIndex(context_.RefreshRateList, top, context_.settings.refreshrate));
}

void TMainForm::rebuildRefreshRates()
{
    const int32_t top = fillRefreshRates();
    RRCombo.select(rebuiltRateIndex(context_.RefreshRateList, top, context_.settings.refreshrate));
}

void TMainForm::SaveSettings(std::string_view group)
{
    const ApplyOutcome outcome =
        applySettings(*context_.registry, context_.settings,
                      [group](const schema::Field& field) { return appliedBy(group, field); }, NetGP.text());
    if (outcome.portRefused)
        context_.services.boxes.show(
            {"Fatal Error",
             "Gameport must be a value between 1024 and 49151! Change this and press \"Apply Settings\" again!",
             MessageIcon::Information, MessageButtons::Ok});
}

void TMainForm::GASClick()
{
    SaveSettings("gas");
}

void TMainForm::VASClick()
{
    SaveSettings("vas");
}

void TMainForm::SASClick()
{
    SaveSettings("sas");
}

void TMainForm::MASClick()
{
    SaveSettings("mas");
}

} // namespace orvane
