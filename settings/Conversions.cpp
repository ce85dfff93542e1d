#include "settings/Conversions.h"

#include "settings/Errors.h"

#include <charconv>

namespace orvane {

int32_t StrToInt(std::string_view text)
{
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    int32_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || digits.front() == '+' || error != std::errc() || end != digits.data() + digits.size())
        throw EConvertError(formatMessage(messages::NotAnInteger, text));
    return value;
}

} // namespace orvane
