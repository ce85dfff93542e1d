#pragma once
// The Wine prefix settled, and its registry read, on a thread of their own
// while the toolkit connects to the display: looking through the
// launchers' prefixes and reading a large user.reg then add little to the
// time before the window shows.
#include "app/PrefixChoice.h"
#include "wine/WinePrefixStore.h"

#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace orvane {

class PrefixReadAhead {
public:
    // named: --prefix, when given.
    PrefixReadAhead(std::optional<std::string> named, HomeFolders folders, const char* winePrefixVariable);
    ~PrefixReadAhead();
    PrefixReadAhead(const PrefixReadAhead&) = delete;
    PrefixReadAhead& operator=(const PrefixReadAhead&) = delete;

    // The prefix, or those to choose among; rethrows what finding them threw.
    PrefixSettlement settled();
    // The settings of prefix; its registry is the one read ahead when it is that prefix's.
    SettingsPlace settingsOf(const std::filesystem::path& prefix);

private:
    void wait();

    PrefixSettlement settled_;
    std::unique_ptr<WinePrefixStore> store_;
    std::exception_ptr failure_;
    std::thread thread_;
};

} // namespace orvane
