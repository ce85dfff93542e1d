// The four "Apply Settings" and auto-apply: the record into the registry,
// without writing over what another program stored meanwhile, and the
// player's change asked for first while the game runs.
#include "app/SettingsPresenter.h"

#include "app/ControlsFilling.h"
#include "app/GameRunning.h"

#include <algorithm>

namespace orvane {
namespace {

// What the history calls an Apply: its group box's caption.
std::string_view applyLabel(ApplyGroup group)
{
    switch (group) {
    case ApplyGroup::Gameplay: return translatable("Apply Gameplay");
    case ApplyGroup::Video: return translatable("Apply Video");
    case ApplyGroup::Sound: return translatable("Apply Sound");
    case ApplyGroup::Misc: return translatable("Apply Miscellaneous");
    }
    return "Apply";
}

} // namespace

void SettingsPresenter::apply(ApplyGroup group)
{
    context_.history.nameChange(applyLabel(group));
    writeSelected(appliedBy(group));
}

void SettingsPresenter::applyAll()
{
    // While one window is open, auto-apply's changes are one entry.
    context_.history.nameChange(translatable("Auto-apply"), true);
    writeSelected(appliedByAnyGroup());
}

void SettingsPresenter::remember(const ValueSelection& stored)
{
    for (const schema::StoredValue& value : schema::storedValues())
        if (stored(value))
            schema::copyField(lastStored_, context_.settings, value.field);
}

void SettingsPresenter::given(const ValueSelection& values)
{
    for (const schema::StoredValue& value : schema::storedValues())
        if (!value.loaded && values(value) && std::find(given_.begin(), given_.end(), &value) == given_.end())
            given_.push_back(&value);
}

ValueSelection SettingsPresenter::known(const ValueSelection& selected) const
{
    return [this, selected](const schema::StoredValue& value) {
        return selected(value) && (value.loaded || std::find(given_.begin(), given_.end(), &value) != given_.end());
    };
}

bool SettingsPresenter::changesStored(const ValueSelection& selected) const
{
    const auto& values = schema::storedValues();
    return std::any_of(values.begin(), values.end(), [&](const schema::StoredValue& value) {
        return selected(value) &&
               std::visit([this](auto field) { return !(lastStored_.*field == context_.settings.*field); },
                          value.field);
    });
}

void SettingsPresenter::writeSelected(const ValueSelection& chosen)
{
    // A value the window never read would be written blind over what is stored.
    const ValueSelection selected = known(chosen);
    // Asked before the registry is touched, so that no other Orvane waits on the answer.
    if (changesStored(selected) && !writeDespiteRunningGame(context_))
        return;
    RegistryAccess& registry = *context_.registry;
    const auto newer = takeNewerValues(registry, context_.settings, lastStored_, selected);
    const ApplyOutcome outcome = applySettings(registry, context_.settings, selected, NetGP.text());
    remember([&](const schema::StoredValue& value) {
        return selected(value) &&
               !(outcome.portRefused && value.field == schema::Field{&SettingsSnapshot::netgameport});
    });
    if (!newer.empty())
        showNewerValues(newer);
    if (outcome.portRefused)
        context_.services.boxes.show(
            {MessageId::PortRefused, context_.texts("Fatal Error"),
             context_.texts.formatted(
                 "Gameport must be a value between %s and %s! Change this and press \"Apply Settings\" again!",
                 {std::to_string(schema::GamePorts.lowest), std::to_string(schema::GamePorts.highest)}),
             MessageIcon::Information, MessageButtons::Ok});
}

// Someone else's values, kept, into their controls, and the player told once.
void SettingsPresenter::showNewerValues(const std::vector<const schema::StoredValue*>& newer)
{
    std::string list;
    const bool detecting = detecting_;
    {
        ControlsFilling filling(detecting_, detecting);
        const auto rows = settingBindings();
        for (const schema::StoredValue* value : newer) {
            schema::copyField(presented_, context_.settings, value->field);
            for (size_t i = 0; i < rows.size(); ++i) {
                if (!boundControls_[i] || !showsField(rows[i], value->field))
                    continue;
                if (rows[i].shown == Shown::Profile)
                    CPCombo.clear();
                if (rows[i].shown == Shown::Account) {
                    refreshAccountNames(); // the list chooses the name, and keeps it among them
                    shownStates_[i] = shownStateOf(BnetName);
                } else {
                    showRow(i);
                }
            }
            list.append("\n").append(value->key.substr(value->key.rfind('\\') + 1)).append("\\").append(value->name);
        }
        // The count labels and the rates follow what is shown. Controls that a
        // failed presentation left as they were are never taken back.
        if (detecting)
            eachBoundRow(&SettingsPresenter::take);
    }
    context_.services.boxes.show({MessageId::NewerValuesKept, context_.texts("Settings changed elsewhere"),
                                  context_.texts("Another program has changed these settings since Orvane read them, "
                                                 "and you had not changed them here. Orvane kept them and shows them "
                                                 "now:") +
                                      list,
                                  MessageIcon::Information, MessageButtons::Ok});
}

} // namespace orvane
