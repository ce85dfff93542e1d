#pragma once
#include <cstdint>
#include <string_view>

namespace orvane {

// An optional sign and decimal digits, within 32 bits; anything else
// throws EConvertError "'<text>' ist kein gültiger Integerwert".
int32_t StrToInt(std::string_view text);

} // namespace orvane
