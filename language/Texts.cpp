#include "language/Texts.h"

#include "language/LanguageChoice.h"

namespace orvane {

std::string Texts::formattedPlural(std::string_view singular, std::string_view plural, unsigned long n,
                                   std::initializer_list<std::string_view> arguments) const
{
    const std::string* translated = catalogue_.findPlural(singular, n);
    const std::string_view format = translated ? std::string_view(*translated) : n == 1 ? singular : plural;
    return formatMessage(format, std::vector<std::string_view>(arguments));
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
