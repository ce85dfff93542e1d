#pragma once
// The errors of the registry, file and conversion layers. Nothing in the
// program catches them but the application's one error handler.
#include <stdexcept>
#include <string>
#include <string_view>

namespace orvane {

class OrvaneError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

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

class ConversionError : public OrvaneError {
public:
    using OrvaneError::OrvaneError;
};

// A file that could not be read or written. The message is the window's;
// the system's reason goes with it for whoever can show more (the
// command line's error stream).
class FileError : public OrvaneError {
public:
    explicit FileError(const std::string& message, std::string reason = {})
        : OrvaneError(message), reason_(std::move(reason))
    {
    }
    const std::string& reason() const { return reason_; }

private:
    std::string reason_;
};

// Replaces the first "%s" of a message template by the argument.
std::string formatMessage(std::string_view messageTemplate, std::string_view argument);

// The error box shows the message with a full stop appended only when its
// last character sorts after ".".
std::string withFullStop(std::string message);

namespace messages {
inline constexpr std::string_view ReadFailed = "Fehler beim Holen der Daten für '%s'";
inline constexpr std::string_view InvalidType = "Ungültiger Datentyp für '%s'";
inline constexpr std::string_view WriteFailed = "Fehler beim Setzen der Daten für '%s'";
inline constexpr std::string_view NotAnInteger = "'%s' ist kein gültiger Integerwert";
inline constexpr std::string_view FileOpenFailed = "Datei %s kann nicht geöffnet werden";
inline constexpr std::string_view FileCreateFailed = "Datei %s kann nicht erstellt werden";
} // namespace messages

} // namespace orvane
