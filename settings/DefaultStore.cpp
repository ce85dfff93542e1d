#include "settings/DefaultStore.h"

#ifdef _WIN32
#include "settings/WindowsRegistryStore.h"
#else
#include "settings/WinePrefixStore.h"
#endif

namespace orvane {

std::unique_ptr<RegistryStore> createDefaultStore()
{
#ifdef _WIN32
    return std::make_unique<WindowsRegistryStore>();
#else
    return std::make_unique<WinePrefixStore>(WinePrefixStore::defaultPrefix());
#endif
}

} // namespace orvane
