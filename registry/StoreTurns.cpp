#include "registry/StoreTurns.h"

namespace orvane {

RegistryStoreError turnNotGiven(const std::string& whose)
{
    return RegistryStoreError("Another Orvane is changing " + whose +
                              " (its window may be asking a question). Nothing was changed: finish there, then try "
                              "again.");
}

} // namespace orvane
