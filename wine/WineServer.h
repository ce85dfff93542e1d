#pragma once
// Whether a wineserver runs for a prefix. While one runs it holds the
// registry in memory and overwrites user.reg when it saves.
#include <filesystem>

namespace orvane {

bool wineserverRunning(const std::filesystem::path& prefix);

} // namespace orvane
