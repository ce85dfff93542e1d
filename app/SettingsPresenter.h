#pragma once
// The record and the settings controls of the main window, both ways, by
// the binding table: presenting the record, taking the controls back after
// every change the player makes, and the four "Apply Settings".
#include "app/AccountNames.h"
#include "app/ControlValues.h"
#include "app/SettingBindings.h"
#include "context/Context.h"
#include "controls/Window.h"
#include "settings/ApplySettings.h"
#include "settings/DisplayModes.h"

#include <optional>
#include <string>
#include <vector>

namespace orvane {

class SettingsPresenter {
public:
    SettingsPresenter(Context& context, Window& window, AccountNames& accounts);

    // The record into the controls; a change the player makes counts from then on.
    void present();
    // Filling the controls on the way to the next presentation is no change.
    void ignoreChangesUntilPresented() { detecting_ = false; }
    bool changeDetectionOn() const { return detecting_; }

    // The user's events, which the layout names.
    void settingChanged();
    void apply(ApplyGroup group);
    // What auto-apply does after every change: every group.
    void applyAll();

    // Values read, or written by other means than an Apply, now as stored.
    void remember(const ValueSelection& stored);
    // Values no load reads that a configuration file gave: from now on
    // written with the rest. Until then they are not written at all.
    void given(const ValueSelection& values);
    // Of the selected values, those the record holds for real: read, or given.
    ValueSelection known(const ValueSelection& selected) const;
    // The folder into its field, and the four folder edits as if typed.
    void setFolder(schema::TextField field, const std::string& folder);
    // BnetName afresh from the stored names and those waiting to be added.
    void refreshAccountNames();
    // CPCombo afresh from the profile folders.
    void relistProfiles();

private:
    void takeSettings();
    void enableDependents();
    // Shows or takes every row that has a control, by its place in the table.
    void eachBoundRow(void (SettingsPresenter::*visit)(size_t));
    // Shows the row's field and notes what its control then shows.
    void showRow(size_t row);
    void show(const SettingBinding& row, Control& control);
    void take(size_t row);
    void listProfiles();
    void takePort();
    int32_t fillRefreshRates();
    void presentRefreshRates();
    void rebuildRefreshRates();
    bool showsPresentedMode() const;
    // Whether the record holds a selected value other than the one last stored.
    bool changesStored(const ValueSelection& selected) const;
    void writeSelected(const ValueSelection& selected);
    void showNewerValues(const std::vector<const schema::StoredValue*>& newer);

    Context& context_;
    Window& window_;
    AccountNames& accounts_;
    bool detecting_ = false;
    // The settings as last read from or written to the registry: a value the
    // player left as it was there is not written over someone else's since.
    SettingsSnapshot lastStored_;
    // The record as the controls last showed it, and what each control
    // showed then (by the row's place): a control the player has not changed
    // since gives its row's field back as shown.
    SettingsSnapshot presented_;
    std::vector<ShownState> shownStates_;
    // Values no load reads that a configuration file has given.
    std::vector<const schema::StoredValue*> given_;
    // The rates RRCombo shows, item for item.
    std::vector<int32_t> refreshRates_;
    // While a presentation lists the rates and at once takes them back, the
    // display's modes as asked once for both: asking is slow (a round trip
    // per mode on Windows). Asked afresh for every other change.
    std::optional<std::vector<DisplayMode>> presentationModes_;
    // Each row's control, in the order of settingBindings(); none where it is NotShown.
    std::vector<Control*> boundControls_;
    StatusBarControl& StatusBar;
    EditControl& NetGP;
    ListControl& RRCombo;
    ListControl& CPCombo;
    ListControl& BnetName;
};

} // namespace orvane
