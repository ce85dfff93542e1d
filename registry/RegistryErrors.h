#pragma once
// The registry layer's errors and the texts the window shows for them.
#include "files/Errors.h"

#include <string_view>

namespace orvane {

class RegistryError : public OrvaneError {
public:
    using OrvaneError::OrvaneError;
};

// The store behind the registry could not be read or written as a whole
// (a broken user.reg, a running wineserver, a full disk).
class RegistryStoreError : public RegistryError {
public:
    using RegistryError::RegistryError;
};

namespace messages {
inline constexpr std::string_view ReadFailed = translatable("Fehler beim Holen der Daten für '%s'");
inline constexpr std::string_view InvalidType = translatable("Ungültiger Datentyp für '%s'");
inline constexpr std::string_view WriteFailed = translatable("Fehler beim Setzen der Daten für '%s'");
} // namespace messages

} // namespace orvane
