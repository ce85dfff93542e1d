#include "files/Errors.h"

namespace orvane {

std::string formatMessage(const MessageText& message)
{
    std::string result;
    size_t next = 0;
    for (size_t at = 0; at < message.format.size(); ++at) {
        if (message.format.substr(at, 2) == "%s" && next < message.values.size()) {
            result += message.values[next++];
            ++at;
        } else {
            result += message.format[at];
        }
    }
    return result;
}

std::string withFullStop(std::string message)
{
    // Compare as unsigned bytes: a UTF-8 tail byte sorts after "." too.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        message += '.';
    return message;
}

} // namespace orvane
