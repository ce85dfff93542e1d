#include "language/Texts.h"

#include "language/LanguageChoice.h"

namespace orvane {

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
