#include "language/Texts.h"

#include "language/LanguageChoice.h"

namespace orvane {

std::string Texts::formattedPlural(std::string_view singular, std::string_view plural, unsigned long n,
                                   std::initializer_list<std::string_view> arguments) const
{
    const std::string* translated = catalogue_.findPlural(singular, n);
    const std::string_view format = translated ? std::string_view(*translated) : n == 1 ? singular : plural;
    return substituted(format, std::vector<std::string_view>(arguments));
}

std::string Texts::substituted(std::string_view format, const std::vector<std::string_view>& arguments)
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
        if (end < format.size() && format[end] == 's' && index < arguments.size()) {
            result += arguments[index];
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

Texts textsFor(const std::vector<std::string>& preferred, const std::vector<BuiltInCatalogue>& catalogues)
{
    std::vector<std::string> languages;
    for (const BuiltInCatalogue& catalogue : catalogues)
        languages.emplace_back(catalogue.language);
    const std::optional<std::string> chosen = chosenCatalogue(preferred, languages);
    if (!chosen)
        return {};
    for (const BuiltInCatalogue& catalogue : catalogues)
        if (catalogue.language == *chosen)
            return Texts(*chosen, PoCatalogue::parse(catalogue.text, *chosen + ".po"));
    return {};
}

} // namespace orvane
