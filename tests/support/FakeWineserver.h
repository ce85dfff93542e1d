#pragma once
// A wineserver for a prefix, as far as Orvane can tell: a child process
// holding the lock in the server folder, as wineserver does while it runs.
#include <filesystem>
#include <sys/types.h>

namespace orvane::test {

class FakeWineserver {
public:
    explicit FakeWineserver(const std::filesystem::path& prefix);
    ~FakeWineserver();
    FakeWineserver(const FakeWineserver&) = delete;
    FakeWineserver& operator=(const FakeWineserver&) = delete;

private:
    std::filesystem::path folder_;
    pid_t child_ = -1;
    int stop_[2]{};
};

} // namespace orvane::test
