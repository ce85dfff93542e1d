#pragma once
#include "settings/RegistryStore.h"

#include <memory>

namespace orvane {

// The Windows registry on Windows; the Wine prefix's user.reg elsewhere.
std::unique_ptr<RegistryStore> createDefaultStore();

} // namespace orvane
