#include "language/LanguageChoice.h"

#include <algorithm>

namespace orvane {

std::vector<std::string> preferredLanguages(const EnvironmentLookup& environment)
{
    std::optional<std::string> locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (auto value = environment(name); value && !value->empty()) {
            locale = std::move(value);
            break;
        }
    if (!locale || *locale == "C" || *locale == "POSIX")
        return {};
    std::vector<std::string> preferred;
    if (const auto list = environment("LANGUAGE"); list && !list->empty())
        for (size_t at = 0; at <= list->size();) {
            const size_t end = std::min(list->find(':', at), list->size());
            if (end > at)
                preferred.push_back(list->substr(at, end - at));
            at = end + 1;
        }
    preferred.push_back(*locale);
    return preferred;
}

std::optional<std::string> chosenCatalogue(const std::vector<std::string>& preferred,
                                           const std::vector<std::string>& catalogues)
{
    const auto known = [&](const std::string& name) {
        return std::find(catalogues.begin(), catalogues.end(), name) != catalogues.end();
    };
    for (std::string name : preferred) {
        name = name.substr(0, name.find_first_of(".@"));
        std::replace(name.begin(), name.end(), '-', '_');
        if (known(name))
            return name;
        const std::string language = name.substr(0, name.find('_'));
        if (known(language))
            return language;
    }
    return std::nullopt;
}

} // namespace orvane
