#include "settings/Conversions.h"

#include <charconv>

namespace orvane {

int32_t toInteger(std::string_view text)
{
    // from_chars takes a minus but no plus.
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    int32_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    const bool signTwice = digits.size() < text.size() && !digits.empty() && digits.front() == '-';
    if (digits.empty() || signTwice || error != std::errc() || end != digits.data() + digits.size())
        throw ConversionError(MessageText{messages::NotAnInteger, {std::string(text)}});
    return value;
}

} // namespace orvane
