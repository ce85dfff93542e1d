#pragma once
// Windows paths, as the registry and the game name them, as paths of this
// machine: through the Wine prefix's drive links, or as they are on Windows.
#include <filesystem>
#include <string>
#include <string_view>

namespace orvane {

class PathMapping {
public:
    // The system's own paths: Windows.
    PathMapping() = default;
    explicit PathMapping(std::filesystem::path winePrefix) : winePrefix_(std::move(winePrefix)) {}

    // Empty on Windows.
    const std::filesystem::path& winePrefix() const { return winePrefix_; }
    std::filesystem::path hostPath(std::string_view windowsPath) const;
    std::string windowsPath(const std::filesystem::path& host) const;
    // Whether folder holds a file of that name as the game finds it:
    // without regard to case inside a prefix.
    bool containsFile(const std::filesystem::path& folder, std::string_view name) const;

private:
    std::filesystem::path winePrefix_;
};

} // namespace orvane
