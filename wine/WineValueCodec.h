#pragma once
// Wine's text form of registry values and key names: "name"=data lines in
// each of the data forms Wine writes, and its escaping of text.
#include "registry/RegistryStore.h"
#include "wine/WineRegLexer.h"

#include <string>
#include <string_view>

namespace orvane {

// Reads "name"=data or @=data at the cursor, up to its line end. Fills name
// and value when they are not null; only checks the syntax otherwise.
void parseWineValue(WineRegCursor& cursor, std::u16string* name, RegValue* value);

// One value line ("name"=data), with "\n" line ends.
std::string formatWineValue(std::string_view name, const RegValue& value);

// A key path as it stands between the brackets of a key line.
std::string formatWineKeyPath(std::string_view path);
// Reads "[path]" at the cursor (in text) into the path's folded, normalized
// form, the form in which key paths compare.
void readWineKeyPath(WineRegCursor& cursor, std::string_view text, std::string& folded);

} // namespace orvane
