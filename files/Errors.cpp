#include "files/Errors.h"

namespace orvane {

std::string formatMessage(std::string_view format, const std::vector<std::string_view>& values)
{
    std::string result;
    size_t next = 0;
    for (size_t at = 0; at < format.size(); ++at) {
        if (format[at] != '%' || at + 1 == format.size()) {
            result += format[at];
            continue;
        }
        size_t index = next;
        size_t end = at + 1;
        const size_t digits = format.find_first_not_of("0123456789", end);
        if (digits != end && digits != std::string_view::npos && format[digits] == '$') {
            index = std::stoul(std::string(format.substr(end, digits - end))) - 1;
            end = digits + 1;
        }
        if (end < format.size() && format[end] == 's' && index < values.size()) {
            result += values[index];
            next = index + 1;
            at = end;
        } else if (format[at + 1] == '%') {
            result += '%';
            ++at;
        } else {
            result += '%';
        }
    }
    return result;
}

std::string formatMessage(const MessageText& message)
{
    return formatMessage(message.format, std::vector<std::string_view>(message.values.begin(), message.values.end()));
}

std::string withFullStop(std::string message)
{
    // Compare as unsigned bytes: a UTF-8 tail byte sorts after "." too.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        message += '.';
    return message;
}

} // namespace orvane
