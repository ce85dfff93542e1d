#include "files/Errors.h"

namespace orvane {

std::string formatMessage(std::string_view messageTemplate, std::string_view argument)
{
    std::string result(messageTemplate);
    const auto at = result.find("%s");
    if (at != std::string::npos)
        result.replace(at, 2, argument);
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
