#include "app/SettingsPresenter.h"

#include "app/CampaignProfiles.h"
#include "app/ControlValues.h"
#include "app/ControlsFilling.h"
#include "app/Mappings.h"
#include "settings/Conversions.h"

namespace orvane {
SettingsPresenter::SettingsPresenter(Context& context, Window& window, AccountNames& accounts)
    : context_(context),
      window_(window),
      accounts_(accounts),
      StatusBar(window.statusBar("StatusBar")),
      NetGP(window.edit("NetGP")),
      RRCombo(window.list("RRCombo")),
      CPCombo(window.list("CPCombo")),
      BnetName(window.list("BnetName"))
{
    for (const SettingBinding& row : settingBindings()) {
        boundControls_.push_back(row.control.empty() ? nullptr : &window.control(row.control));
        shownStates_.push_back(row.control.empty() ? ShownState{} : shownStateOf(*boundControls_.back()));
    }
}

void SettingsPresenter::present()
{
    presented_ = context_.settings;
    presentationModes_ = context_.services.displayModes.modes();
    const struct ForgetModes {
        std::optional<std::vector<DisplayMode>>& modes;
        ~ForgetModes() { modes.reset(); }
    } forget{presentationModes_};
    {
        ControlsFilling filling(detecting_, true);
        eachBoundRow(&SettingsPresenter::showRow);
    }
    StatusBar.setPanelText(1, context_.texts("No changes have been made!"));
    takeSettings();
}

void SettingsPresenter::settingChanged()
{
    if (!detecting_)
        return;
    takeSettings();
    StatusBar.setPanelText(1, context_.texts("Changes have been made!"));
}

void SettingsPresenter::takeSettings()
{
    eachBoundRow(&SettingsPresenter::take);
    enableDependents();
    if (context_.settings.autoapply)
        applyAll();
}

void SettingsPresenter::enableDependents()
{
    const auto enableWith = [this](std::string_view check, std::initializer_list<std::string_view> dependents) {
        const bool on = window_.check(check).checked();
        for (std::string_view name : dependents)
            window_.control(name).setEnabled(on);
    };
    enableWith("MSCB", {"MSTrackBar"});
    enableWith("SFXCB", {"SFXTrackBar", "EnvCB", "MovCB", "URCB"});
    enableWith("MCB", {"MusicTrackBar"});
}

void SettingsPresenter::eachBoundRow(void (SettingsPresenter::*visit)(size_t))
{
    for (size_t row = 0; row < boundControls_.size(); ++row)
        if (boundControls_[row])
            (this->*visit)(row);
}

void SettingsPresenter::showRow(size_t row)
{
    show(settingBindings()[row], *boundControls_[row]);
    shownStates_[row] = shownStateOf(*boundControls_[row]);
}

void SettingsPresenter::show(const SettingBinding& row, Control& control)
{
    SettingsSnapshot& record = context_.settings;
    switch (row.shown) {
    case Shown::Check:
    case Shown::InvertedCheck:
        showSwitch(dynamic_cast<CheckControl&>(control), integerField(record, row), row.shown == Shown::InvertedCheck);
        break;
    case Shown::Flag: dynamic_cast<CheckControl&>(control).setChecked(flagField(record, row)); break;
    case Shown::Slider: showSlider(dynamic_cast<SliderControl&>(control), integerField(record, row)); break;
    case Shown::Level:
    case Shown::Depth: showChoice(dynamic_cast<ListControl&>(control), row.shown, integerField(record, row)); break;
    case Shown::Resolution:
        showResolution(dynamic_cast<ListControl&>(control), record.reswidth, record.resheight);
        break;
    case Shown::RefreshRate: presentRefreshRates(); break;
    case Shown::Port: NetGP.setText(std::to_string(integerField(record, row))); break;
    case Shown::Text:
    case Shown::Profile:
    case Shown::Account:
        if (auto* edit = dynamic_cast<EditControl*>(&control))
            edit->setText(textField(record, row));
        else if (row.shown == Shown::Profile)
            listProfiles(); // which selects the stored one; the account names are chosen already
        break;
    case Shown::NotShown: break;
    }
}

void SettingsPresenter::take(size_t index)
{
    const SettingBinding& row = settingBindings()[index];
    Control& control = *boundControls_[index];
    SettingsSnapshot& record = context_.settings;
    if (shownStateOf(control) == shownStates_[index]) {
        // Not the player's change: the field as shown, even one its control
        // could not show (a profile not in the folder, gamma 0, lights 7).
        schema::copyField(record, presented_, row.field);
        if (row.shown == Shown::Resolution)
            record.resheight = presented_.resheight;
        if (row.shown == Shown::Slider)
            window_.label(row.count).setCaption(std::to_string(dynamic_cast<SliderControl&>(control).position()));
        if (row.shown == Shown::RefreshRate) {
            rebuildRefreshRates();
            // Rebuilt for the mode it was shown for, the list is no change
            // either, whichever item the rebuild selects.
            if (showsPresentedMode())
                shownStates_[index] = shownStateOf(control);
        }
        return;
    }
    switch (row.shown) {
    case Shown::Check:
    case Shown::InvertedCheck:
        takeSwitch(dynamic_cast<CheckControl&>(control), integerField(record, row), row.shown == Shown::InvertedCheck);
        break;
    case Shown::Flag: flagField(record, row) = dynamic_cast<CheckControl&>(control).checked(); break;
    case Shown::Slider:
        takeSlider(dynamic_cast<SliderControl&>(control), integerField(record, row), window_.label(row.count));
        break;
    case Shown::Level:
    case Shown::Depth: takeChoice(dynamic_cast<ListControl&>(control), row.shown, integerField(record, row)); break;
    case Shown::Resolution:
        takeResolution(dynamic_cast<ListControl&>(control), record.reswidth, record.resheight);
        break;
    case Shown::RefreshRate:
        // The rate shown is taken before the list is rebuilt for the new mode.
        if (const auto rate = rateAt(refreshRates_, RRCombo.selected()))
            record.refreshrate = *rate;
        rebuildRefreshRates();
        break;
    case Shown::Port: takePort(); break;
    case Shown::Text:
    case Shown::Profile:
    case Shown::Account: textField(record, row) = textOf(control); break;
    case Shown::NotShown: break;
    }
}

void SettingsPresenter::setFolder(schema::TextField field, const std::string& folder)
{
    SettingsSnapshot& record = context_.settings;
    record.*field = folder;
    // Each text set is a change, as if typed.
    window_.edit("PS").setText(record.savpath);
    window_.edit("PR").setText(record.reppath);
    window_.edit("PL").setText(record.logpath);
    window_.edit("PE").setText(record.errpath);
}

void SettingsPresenter::refreshAccountNames()
{
    accounts_.refresh(*context_.registry, BnetName, context_.settings.userbnet);
}

void SettingsPresenter::relistProfiles()
{
    CPCombo.clear();
    listProfiles();
}

void SettingsPresenter::listProfiles()
{
    const SettingsSnapshot& record = context_.settings;
    for (int number = 1;; ++number) {
        const std::optional<std::string> name = profileName(context_.place.paths, record.savpath, number);
        if (!name)
            return;
        CPCombo.addItems({*name});
        if (*name == record.campaignprofile)
            CPCombo.select(number - 1);
    }
}

// A typed port counts once it is one the game accepts.
void SettingsPresenter::takePort()
{
    const std::string& port = NetGP.text();
    if (port.empty())
        return;
    const int32_t typed = toInteger(port);
    if (schema::GamePorts.contains(typed))
        context_.settings.netgameport = typed;
}

// The refresh rates and RRCombo's items for the record's screen mode, built
// afresh, so that no selection of the last mode's list stands for a rate of
// this one. Returns the mode's top rate.
int32_t SettingsPresenter::fillRefreshRates()
{
    const SettingsSnapshot& record = context_.settings;
    // Once for the list and its top.
    AskedDisplayModes display(presentationModes_ ? *presentationModes_ : context_.services.displayModes.modes());
    refreshRates_ = refreshRatesFor(display, record.reswidth, record.resheight, record.colordepth);
    RRCombo.clear();
    RRCombo.addItems(rateTexts(refreshRates_));
    return topRefreshRate(display, record.reswidth, record.resheight, record.colordepth);
}

void SettingsPresenter::presentRefreshRates()
{
    const int32_t top = fillRefreshRates();
    selectIfAny(RRCombo, presentedRateIndex(refreshRates_, top, context_.settings.refreshrate));
}

bool SettingsPresenter::showsPresentedMode() const
{
    const SettingsSnapshot& record = context_.settings;
    return record.reswidth == presented_.reswidth && record.resheight == presented_.resheight &&
           record.colordepth == presented_.colordepth;
}

void SettingsPresenter::rebuildRefreshRates()
{
    const int32_t top = fillRefreshRates();
    RRCombo.select(rebuiltRateIndex(refreshRates_, top, context_.settings.refreshrate));
}

} // namespace orvane
