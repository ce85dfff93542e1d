#include "language/LanguageChoice.h"
#include "platform/PlayersLanguages.h"

#include <cstdlib>

namespace orvane {

std::vector<std::string> playersLanguages()
{
    return preferredLanguages([](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    });
}

} // namespace orvane
