#pragma once
#include "files/Errors.h"

#include <cstdint>
#include <string_view>

namespace orvane {

class ConversionError : public OrvaneError {
public:
    using OrvaneError::OrvaneError;
};

namespace messages {
inline constexpr std::string_view NotAnInteger = translatable("'%s' ist kein gültiger Integerwert");
}

// An optional sign and decimal digits, within 32 bits; anything else
// throws ConversionError "'<text>' ist kein gültiger Integerwert".
int32_t toInteger(std::string_view text);

} // namespace orvane
