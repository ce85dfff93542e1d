#pragma once
// Wine's text form of registry values and key names: value lines read as
// wineserver's loader reads them, written as it writes them, and its
// escaping of text.
#include "registry/RegistryStore.h"
#include "wine/WineRegLexer.h"

#include <string>
#include <string_view>

namespace orvane {

// The name of the value line `line` (its content) whose '"' or '@' stands
// at `at`, into name when it is not null. Returns where the data starts,
// past "=" and the blanks around it; npos for a line from which Wine takes
// no value (no closing quote, no "=", a name longer than Wine allows).
size_t readWineValueName(std::string_view line, size_t at, std::u16string* name);

// Whether the data that starts at `at` is hex data that Wine continues
// onto the next line.
bool wineValueContinues(std::string_view line, size_t dataStart);
// Whether a line that continues hex data goes on to the next line too.
bool wineHexLineContinues(std::string_view line);

// The value of a value line, with the lines it continues onto, whose name
// readWineValueName accepts. Data Wine cannot read gives the empty value
// of type 0, as Wine gives it.
RegValue readWineValue(std::string_view lines);

// One value line ("name"=data), with "\n" line ends.
std::string formatWineValue(std::string_view name, const RegValue& value);

// A key path as it stands between the brackets of a key line.
std::string formatWineKeyPath(std::string_view path);

} // namespace orvane
