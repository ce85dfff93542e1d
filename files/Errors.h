#pragma once
// The program's errors and the file layer's own. Nothing in the program
// catches them but the application's one error handler.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// Marks a message template for the catalogues' template (po/); it is
// translated where it is shown.
constexpr std::string_view translatable(std::string_view text)
{
    return text;
}

// A message as its template, with a "%s" for each of the values put in, so
// that it can be shown in the player's language.
struct MessageText {
    std::string_view format;
    std::vector<std::string> values;
};

// Each "%s" of the template replaced by the next value; "%2$s" takes the
// values in another order (as a translation may), and "%%" is a per cent sign.
std::string formatMessage(std::string_view format, const std::vector<std::string_view>& values);
std::string formatMessage(const MessageText& message);

class OrvaneError : public std::runtime_error {
public:
    // A message that is shown as it is.
    explicit OrvaneError(const std::string& message) : std::runtime_error(message) {}
    explicit OrvaneError(const MessageText& message)
        : std::runtime_error(formatMessage(message)),
          format_(message.format),
          values_(message.values)
    {}
    // The template and its values; an empty template for a message shown as it is.
    const std::string& format() const { return format_; }
    const std::vector<std::string>& values() const { return values_; }

private:
    std::string format_;
    std::vector<std::string> values_;
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
    explicit FileError(const MessageText& message, std::string reason = {})
        : OrvaneError(message),
          reason_(std::move(reason))
    {}
    const std::string& reason() const { return reason_; }

private:
    std::string reason_;
};

// The error box shows the message with a full stop appended only when its
// last character sorts after ".".
std::string withFullStop(std::string message);

namespace messages {
inline constexpr std::string_view FileOpenFailed = translatable("Datei %s kann nicht geöffnet werden");
inline constexpr std::string_view FileCreateFailed = translatable("Datei %s kann nicht erstellt werden");
} // namespace messages

} // namespace orvane
