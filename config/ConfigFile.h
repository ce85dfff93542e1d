#pragma once
// The configuration file: which sections and keys hold the record, the
// launch options and the account names.
#include "config/IniDocument.h"
#include "settings/DisplayModes.h"
#include "settings/Schema.h"
#include "settings/SettingsSnapshot.h"

#include <string>
#include <vector>

namespace orvane {

inline constexpr std::string_view AccountsSection = "Bnet Accounts";

// A player's file as INI text: empty when it does not exist. A file of
// binary data is refused with an FileError naming it, and stays as it is.
IniDocument readConfigurationFile(const std::filesystem::path& file);
// The same for a campaign profile of the game.
IniDocument readProfileFile(const std::filesystem::path& file);

// Whether doc has any section a configuration file is made of (found as
// the reading finds them, without regard to case).
bool holdsConfiguration(const IniDocument& doc);

// Sets every key of the record and the accounts, over what doc holds.
void storeConfiguration(IniDocument& doc, const SettingsSnapshot& record, const std::vector<std::string>& accounts);

// Reads the file's values over the record, each missing key keeping its
// field: a port outside the game's range becomes 6112, a refresh rate the
// display cannot reach for the loaded mode becomes 60.
void loadConfiguration(const IniDocument& doc, SettingsSnapshot& record, DisplayModeSource& display);

// Whether doc holds a value loadConfiguration takes into the value's field.
bool givesValue(const IniDocument& doc, const schema::StoredValue& value);

// The values of the accounts section, line by line in file order, each as
// its key reads (the later line of a key twice).
std::vector<std::string> accountNamesOf(const IniDocument& doc);

} // namespace orvane
