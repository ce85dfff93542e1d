#pragma once
// Orvane's own commands on one Wine prefix take turns: each holds a lock
// on the prefix's folder from its first look at user.reg until its write
// is done, so that two Orvanes (the window and a launcher's script, or two
// scripts) never read, decide and write across each other. Wine takes no
// part in it; what Wine does is watched for apart.
#include <chrono>
#include <filesystem>

namespace orvane {

class PrefixLock {
public:
    // Long enough for any command without a question on the screen.
    static constexpr std::chrono::milliseconds Patience{10'000};

    // Waits while another Orvane's command holds the prefix, up to patience;
    // then throws RegistryStoreError saying so. A folder that cannot be
    // locked (a network share without locks) is used unlocked.
    explicit PrefixLock(const std::filesystem::path& prefix, std::chrono::milliseconds patience = Patience);
    ~PrefixLock();
    PrefixLock(const PrefixLock&) = delete;
    PrefixLock& operator=(const PrefixLock&) = delete;

private:
    int folder_ = -1;
};

} // namespace orvane
