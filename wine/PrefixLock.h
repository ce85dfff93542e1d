#pragma once
// The turn of a command on a Wine prefix (registry/StoreTurns.h): a lock on
// the prefix's folder. Wine takes no part in it; what Wine does is watched
// for apart.
#include "registry/StoreTurns.h"

#include <chrono>
#include <filesystem>

namespace orvane {

class PrefixLock {
public:
    // Waits while another Orvane's command holds the prefix, up to patience;
    // then throws RegistryStoreError saying so. A folder that cannot be
    // locked (a network share without locks) is used unlocked.
    explicit PrefixLock(const std::filesystem::path& prefix, std::chrono::milliseconds patience = TurnPatience);
    ~PrefixLock();
    PrefixLock(const PrefixLock&) = delete;
    PrefixLock& operator=(const PrefixLock&) = delete;

private:
    int folder_ = -1;
};

} // namespace orvane
