// The record and the settings controls, both ways, by the binding table:
// presenting the record, taking the controls back after every user change,
// and the four "Apply Settings" buttons.
#include "app/Mappings.h"
#include "app/MainWindow.h"
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

// A list whose items stand for values of the field.
struct ListMeaning {
    std::optional<int> (*indexFor)(int32_t value);
    std::optional<int32_t> (*valueAt)(int index);
};
constexpr ListMeaning Levels{levelIndexFor, levelFor};
constexpr ListMeaning Depths{depthIndexFor, depthFor};

} // namespace

void MainWindow::presentSettings()
{
    changeDetectionOn_ = false;
    exchangeAll(Direction::Show);
    changeDetectionOn_ = true;
    setPanelText(1, "No changes have been made!");
    takeSettings();
}

void MainWindow::settingChanged()
{
    if (!changeDetectionOn_)
        return;
    takeSettings();
    setPanelText(1, "Changes have been made!");
}

void MainWindow::takeSettings()
{
    exchangeAll(Direction::Take);
    MSTrackBar.setEnabled(MSCB.checked());
    for (Control* dependent : std::initializer_list<Control*>{&SFXTrackBar, &EnvCB, &MovCB, &URCB})
        dependent->setEnabled(SFXCB.checked());
    MusicTrackBar.setEnabled(MCB.checked());
    if (context_.settings.autoapply)
        applyAll();
}

void MainWindow::exchangeAll(Direction direction)
{
    const auto rows = settingBindings();
    for (size_t i = 0; i < rows.size(); ++i)
        if (boundControls_[i])
            exchange(rows[i], *boundControls_[i], direction);
}

// Both ways for each kind of control, side by side so that they cannot
// drift apart. Showing, a value the control cannot show leaves the control
// as it was; taking, a control that shows nothing valid leaves the field.
void MainWindow::exchange(const SettingBinding& row, Control& control, Direction direction)
{
    SettingsSnapshot& record = context_.settings;
    const bool show = direction == Direction::Show;
    switch (row.shown) {
    case Shown::Check:
    case Shown::InvertedCheck: {
        auto& box = dynamic_cast<CheckControl&>(control);
        const bool inverted = row.shown == Shown::InvertedCheck;
        if (!show)
            integerField(record, row) = switchFor(box.checked(), inverted);
        else if (const auto checked = checkedFor(integerField(record, row), inverted))
            box.setChecked(*checked);
        break;
    }
    case Shown::Flag:
        if (show)
            dynamic_cast<CheckControl&>(control).setChecked(flagField(record, row));
        else
            flagField(record, row) = dynamic_cast<CheckControl&>(control).checked();
        break;
    case Shown::Slider: {
        auto& slider = dynamic_cast<SliderControl&>(control);
        if (show) {
            slider.setPosition(sliderPositionFor(integerField(record, row)));
            break;
        }
        integerField(record, row) = slider.position();
        window_.label(row.count).setCaption(std::to_string(slider.position()));
        break;
    }
    case Shown::Level:
    case Shown::Depth: {
        auto& list = dynamic_cast<ListControl&>(control);
        const ListMeaning& meaning = row.shown == Shown::Level ? Levels : Depths;
        if (show)
            select(list, meaning.indexFor(integerField(record, row)));
        else if (const auto value = meaning.valueAt(list.selected()))
            integerField(record, row) = *value;
        break;
    }
    case Shown::Resolution: {
        auto& list = dynamic_cast<ListControl&>(control);
        if (show)
            select(list, resolutionIndexFor(record.reswidth, record.resheight));
        else if (const auto size = resolutionFor(list.selected()))
            std::tie(record.reswidth, record.resheight) = *size;
        break;
    }
    case Shown::RefreshRate:
        if (show) {
            presentRefreshRates();
            break;
        }
        // The rate shown is taken before the list is rebuilt for the new mode.
        if (const auto rate = rateAt(refreshRates_, RRCombo.selected()))
            record.refreshrate = *rate;
        rebuildRefreshRates();
        break;
    case Shown::Port:
        if (show)
            NetGP.setText(std::to_string(integerField(record, row)));
        else
            takePort();
        break;
    case Shown::Text:
    case Shown::Profile:
    case Shown::Account: {
        std::string& text = textField(record, row);
        auto* edit = dynamic_cast<EditControl*>(&control);
        if (!show)
            text = edit ? edit->text() : dynamic_cast<ListControl&>(control).text();
        else if (edit)
            edit->setText(text);
        else if (row.shown == Shown::Profile)
            listProfiles(); // which selects the stored one; the account names are chosen already
        break;
    }
    case Shown::NotShown: break;
    }
}

void MainWindow::remember(const ValueSelection& written)
{
    for (const schema::StoredValue& value : schema::storedValues())
        if (written(value))
            std::visit([this](auto field) { lastStored_.*field = context_.settings.*field; }, value.field);
}

// Someone else's values, kept, into their controls, and the player told once.
void MainWindow::showNewerValues(const std::vector<const schema::StoredValue*>& newer)
{
    const bool detecting = changeDetectionOn_;
    changeDetectionOn_ = false;
    std::string list;
    const auto rows = settingBindings();
    for (const schema::StoredValue* value : newer) {
        for (size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].field != value->field || !boundControls_[i])
                continue;
            if (rows[i].shown == Shown::Profile)
                CPCombo.clear();
            if (rows[i].shown == Shown::Account)
                refreshAccountNames(); // the list chooses the name, and keeps it among them
            else
                exchange(rows[i], *boundControls_[i], Direction::Show);
        }
        list += "\n" + std::string(value->key.substr(value->key.rfind('\\') + 1)) + "\\" + std::string(value->name);
    }
    exchangeAll(Direction::Take); // the count labels and the rates follow what is shown
    changeDetectionOn_ = detecting;
    context_.services.boxes.show({MessageId::NewerValuesKept, "Settings changed elsewhere",
                                  "Another program has changed these settings since Orvane read them, and you had not "
                                  "changed them here. Orvane kept them and shows them now:" + list,
                                  MessageIcon::Information, MessageButtons::Ok});
}

// A typed port counts once it is one the game accepts.
void MainWindow::takePort()
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
int32_t MainWindow::fillRefreshRates()
{
    const SettingsSnapshot& record = context_.settings;
    AskedDisplayModes display(context_.services.displayModes.modes()); // once for the list and its top
    refreshRates_ = refreshRatesFor(display, record.reswidth, record.resheight, record.colordepth);
    RRCombo.clear();
    RRCombo.addItems(rateTexts(refreshRates_));
    return topRefreshRate(display, record.reswidth, record.resheight, record.colordepth);
}

void MainWindow::presentRefreshRates()
{
    const int32_t top = fillRefreshRates();
    select(RRCombo, presentedRateIndex(refreshRates_, top, context_.settings.refreshrate));
}

void MainWindow::rebuildRefreshRates()
{
    const int32_t top = fillRefreshRates();
    RRCombo.select(rebuiltRateIndex(refreshRates_, top, context_.settings.refreshrate));
}

void MainWindow::apply(ApplyGroup group)
{
    writeSelected(appliedBy(group));
}

void MainWindow::applyAll()
{
    writeSelected(appliedByAnyGroup());
}

void MainWindow::present()
{
    lastStored_ = context_.settings;
    presentSettings();
}

void MainWindow::writeSelected(const ValueSelection& selected)
{
    RegistryAccess& registry = *context_.registry;
    const auto newer = takeNewerValues(registry, context_.settings, lastStored_, selected);
    const ApplyOutcome outcome = applySettings(registry, context_.settings, selected, NetGP.text());
    remember([&](const schema::StoredValue& value) {
        return selected(value) && !(outcome.portRefused && value.field == schema::Field{&SettingsSnapshot::netgameport});
    });
    if (!newer.empty())
        showNewerValues(newer);
    if (outcome.portRefused)
        context_.services.boxes.show({MessageId::PortRefused, "Fatal Error",
                                      portRefusal() + " Change this and press \"Apply Settings\" again!",
                                      MessageIcon::Information, MessageButtons::Ok});
}

} // namespace orvane
