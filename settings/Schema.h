#pragma once
// Every registry value that Orvane reads, writes, creates or deletes, one
// row each: where it is kept, the field of the record that mirrors it, its
// default, which "Apply Settings" writes it and where a configuration file
// holds it. Loading, applying, the configuration file, the demo prefix and
// the tests all walk this table; a new setting is one row here.
#include "settings/SettingsSnapshot.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace orvane {

// The four "Apply Settings" buttons, one per group box of the main window.
enum class ApplyGroup { Gameplay, Video, Sound, Misc };

} // namespace orvane

namespace orvane::schema {

inline constexpr std::string_view GameKey = "Software\\Blizzard Entertainment\\Warcraft III";
inline constexpr std::string_view GameplayKey = "Software\\Blizzard Entertainment\\Warcraft III\\Gameplay";
inline constexpr std::string_view VideoKey = "Software\\Blizzard Entertainment\\Warcraft III\\Video";
inline constexpr std::string_view SoundKey = "Software\\Blizzard Entertainment\\Warcraft III\\Sound";
inline constexpr std::string_view MiscKey = "Software\\Blizzard Entertainment\\Warcraft III\\Misc";
inline constexpr std::string_view StringKey = "Software\\Blizzard Entertainment\\Warcraft III\\String";
inline constexpr std::string_view SavegamesKey = "Software\\Blizzard Entertainment\\Warcraft III\\DelOpt0";
inline constexpr std::string_view ReplaysKey = "Software\\Blizzard Entertainment\\Warcraft III\\DelOpt1";
inline constexpr std::string_view LogsKey = "Software\\Blizzard Entertainment\\Warcraft III\\DelOpt2";
inline constexpr std::string_view ErrorReportsKey = "Software\\Blizzard Entertainment\\Warcraft III\\DelOpt3";
inline constexpr std::string_view OrvaneKey = "Software\\Orvane";
inline constexpr std::string_view BnetUsersKey = "Software\\Orvane\\BnetUsers";

// Values of the game key that the record does not mirror.
inline constexpr std::string_view InstallPath = "InstallPath"; // REG_SZ, read at start, never written
inline constexpr std::string_view Program = "Program";         // REG_SZ, read at start, never written
// Orvane's own creation in the game's key, which the cleanup removes.
inline constexpr std::string_view AllowLocalFiles = "Allow Local Files";

// Account names below BnetUsersKey: "BnetName0", "BnetName1", ...
inline constexpr std::string_view BnetValuePrefix = "BnetName";

// The network ports the game accepts, and the one it uses by default.
struct PortRange {
    int32_t lowest;
    int32_t highest;
    constexpr bool contains(int32_t port) const { return port >= lowest && port <= highest; }
};
inline constexpr PortRange GamePorts{1024, 49151};
inline constexpr int32_t DefaultPort = 6112;

using IntegerField = int32_t SettingsSnapshot::*;
using TextField = std::string SettingsSnapshot::*;
using BoolField = bool SettingsSnapshot::*;
// Any field of the record. Its kind is the value's registry type: REG_DWORD
// for an integer, REG_SZ for a text, REG_DWORD 0/1 for a switch.
using Field = std::variant<IntegerField, TextField, BoolField>;
// A value of the same kind as its field.
using Value = std::variant<int32_t, std::string_view, bool>;

// One callable per kind, for std::visit on a Field or a Value.
template <class... Kinds>
struct Overloaded : Kinds... {
    using Kinds::operator()...;
};
template <class... Kinds>
Overloaded(Kinds...) -> Overloaded<Kinds...>;

struct StoredValue {
    std::string_view key;
    std::string_view name;
    Field field;
    // The "Apply Settings" that writes it; none: only its own command does.
    std::optional<ApplyGroup> group;
    // What a fresh installation holds (a folder: its name below the game's
    // folder); for a value the load creates, what it creates.
    Value initial;
    // The load creates it when it is missing: Orvane's own values.
    bool createdWhenMissing = false;
    // Read by a load; a value no control shows may only be written.
    bool loaded = true;
    // The writers store the same text into this many values, the name
    // numbered on: "Path0", "Path1", "Path2".
    int copies = 1;
    // Its place in a configuration file, where that differs from the key's
    // last component and the value's name; a value without a place is not
    // in the file.
    std::string_view fileSection = {};
    std::string_view fileKey = {};
    bool inFile = true;
};

// In the order the writers write them, which is also the order of a
// configuration file.
std::span<const StoredValue> storedValues();

// The row of a field; a field without one is a mistake of the table.
const StoredValue& rowOf(const Field& field);

// Sets the field in `to` to its value in `from`.
void copyField(SettingsSnapshot& to, const SettingsSnapshot& from, const Field& field);

// The names the writers store the value under: its own, then its copies.
std::vector<std::string> writtenNames(const StoredValue& value);

// Where a configuration file keeps the value; nullopt when it does not.
struct FileKey {
    std::string_view section;
    std::string_view key;
};
std::optional<FileKey> fileKeyOf(const StoredValue& value);

// The keys the table names, each once, in the table's order.
std::vector<std::string_view> settingsKeys();

} // namespace orvane::schema
