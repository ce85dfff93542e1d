#pragma once
// The configuration file: which sections and keys hold the record, the
// launch options and the account names, and the registry write of a
// loaded configuration.
#include "config/IniDocument.h"
#include "settings/RegistryAccess.h"
#include "settings/SettingsSnapshot.h"

#include <string>
#include <vector>

namespace orvane {

inline constexpr std::string_view AccountsSection = "Bnet Accounts";

// Sets every key of the record and the accounts, over what doc holds.
void storeConfiguration(IniDocument& doc, const SettingsSnapshot& record, const std::string& startParams,
                        const std::vector<std::string>& accounts);

// Reads the file's values over the record, each missing key keeping its
// field: a port outside the game's range becomes 6112, a refresh rate the
// display cannot reach for the loaded mode becomes 60.
void loadConfiguration(const IniDocument& doc, SettingsSnapshot& record, std::string& startParams);

// The values of the accounts section, line by line in file order, each as
// its key reads (the later line of a key twice).
std::vector<std::string> accountNamesOf(const IniDocument& doc);

// Writes a loaded configuration to the registry, key by key; the first
// failing write ends it.
void writeConfigurationToRegistry(RegistryAccess& registry, const SettingsSnapshot& record,
                                  const std::string& startParams);

} // namespace orvane
