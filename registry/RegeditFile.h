#pragma once
// A registry file as regedit exports and imports it: "Windows Registry
// Editor Version 5.00" in UTF-16LE with a byte order mark, keys below
// HKEY_CURRENT_USER, values that did not exist as deletions ("name"=-) and
// keys that did not exist as key deletions ([-HKEY_CURRENT_USER\...]).
// `regedit /s FILE` on Windows and `wine regedit FILE` read it as Orvane does.
#include "registry/RegistryStore.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// A value's data, or that there is no such value.
using ValueState = std::optional<RegValue>;

struct RegeditValue {
    std::string name; // "" is the key's default value (@)
    ValueState value; // nothing: the file deletes the value
    // What Orvane's change stored there, kept in a comment line that regedit
    // passes over; nothing where the file does not say.
    std::optional<ValueState> changedTo;
    bool operator==(const RegeditValue&) const = default;
};

struct RegeditKey {
    std::string path;     // below HKEY_CURRENT_USER
    bool deleted = false; // the key and everything below it are deleted; no values
    std::vector<RegeditValue> values;
    bool operator==(const RegeditKey&) const = default;
};

// The file's bytes, as regedit exports: CR LF line ends, long hex data
// continued on lines of their own.
std::string regeditFileBytes(const std::vector<RegeditKey>& keys);

// Reads what regeditFileBytes writes and what regedit exports (UTF-16LE
// with its mark, or 8-bit text). Throws RegistryError naming fileName and
// the line that is not a registry file's, or a key outside HKEY_CURRENT_USER.
std::vector<RegeditKey> parseRegeditFile(std::string_view bytes, const std::string& fileName);

// How many values and keys the file puts back or deletes.
size_t regeditChangeCount(const std::vector<RegeditKey>& keys);

} // namespace orvane
