#pragma once
// The program's errors and the file layer's own. Nothing in the program
// catches them but the application's one error handler.
#include <stdexcept>
#include <string>
#include <string_view>

namespace orvane {

class OrvaneError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file that could not be read or written. The message is the window's;
// the system's reason goes with it for whoever can show more (the
// command line's error stream).
class FileError : public OrvaneError {
public:
    explicit FileError(const std::string& message, std::string reason = {})
        : OrvaneError(message),
          reason_(std::move(reason))
    {}
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
inline constexpr std::string_view FileOpenFailed = "Datei %s kann nicht geöffnet werden";
inline constexpr std::string_view FileCreateFailed = "Datei %s kann nicht erstellt werden";
} // namespace messages

} // namespace orvane
