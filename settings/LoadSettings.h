#pragma once
// Bringing the record in line with the registry. The window's own steps
// come in between, in the order the load has always run them.
#include "registry/RegistryAccess.h"
#include "settings/Schema.h"
#include "settings/SettingsSnapshot.h"

namespace orvane {

// What the load asks of the window it runs for.
class LoadSteps {
public:
    virtual ~LoadSteps() = default;
    virtual void showNoConfigurationLoaded() = 0;
    // The load has made "Allow Local Files" again: there is something to clean up.
    virtual void enableCleanup() = 0;
    virtual void emptyProfiles() = 0;
    // The value is in the record as stored now, also when a later one fails.
    virtual void valueRead(const schema::StoredValue& value) = 0;
    virtual void readAccounts() = 0;
    virtual void present() = 0;
};

// Creates Orvane's own keys and values where they are missing, reads every
// value into the record, each field as soon as it is read, then lets the
// window read the accounts and present the record. The first error ends
// the load where it happens.
void loadSettings(RegistryAccess& registry, SettingsSnapshot& record, LoadSteps& window);

} // namespace orvane
