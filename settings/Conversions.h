#pragma once
#include <cstdint>
#include <string_view>

namespace orvane {

// An optional sign and decimal digits, within 32 bits; anything else
// throws ConversionError "'<text>' ist kein gültiger Integerwert".
int32_t toInteger(std::string_view text);

} // namespace orvane
