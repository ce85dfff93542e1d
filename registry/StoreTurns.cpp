#include "registry/StoreTurns.h"

namespace orvane {

RegistryStoreError turnNotGiven(const std::string& winePrefix)
{
    if (winePrefix.empty())
        return RegistryStoreError(MessageText{
            translatable("Another Orvane is changing the Warcraft III settings of this Windows user (its window may "
                         "be asking a question). Nothing was changed: finish there, then try again."),
            {}});
    return RegistryStoreError(
        MessageText{translatable("Another Orvane is changing the settings of the Wine prefix %s (its window may be "
                                 "asking a question). Nothing was changed: finish there, then try again."),
                    {winePrefix}});
}

} // namespace orvane
