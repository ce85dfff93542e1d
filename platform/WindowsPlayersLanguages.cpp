#include "platform/PlayersLanguages.h"

#include <windows.h>

namespace orvane {

std::vector<std::string> playersLanguages()
{
    // "de-DE", "zh-CN": the catalogues' names with "-" for "_".
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    const LCID language = MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT);
    const int length = LCIDToLocaleName(language, name, LOCALE_NAME_MAX_LENGTH, 0);
    if (length <= 1)
        return {};
    std::string ascii;
    for (int i = 0; i + 1 < length; ++i)
        ascii += static_cast<char>(name[i] < 0x80 ? name[i] : '?');
    return {ascii};
}

} // namespace orvane
