#pragma once
#include "context/ProgramStarter.h"

#include <filesystem>

namespace orvane {

// The game in the player's Wine prefix, started on its own with WINEPREFIX
// set: by the prefix's own Wine when its launcher keeps one (another Wine
// would upgrade or downgrade the prefix), else by the Wine named by $WINE,
// else by wine on the PATH. Text files open in the desktop's viewer (xdg-open).
class PosixProgramStarter : public ProgramStarter {
public:
    explicit PosixProgramStarter(std::filesystem::path prefix, std::filesystem::path prefixWine = {})
        : prefix_(std::move(prefix)),
          prefixWine_(std::move(prefixWine))
    {}
    bool startProgram(const std::string& file, const std::string& parameters, std::string& reason) override;
    bool openTextFile(const std::string& file, std::string& reason) override;
    bool openLink(const std::string& address, std::string& reason) override;

private:
    std::filesystem::path prefix_;
    std::filesystem::path prefixWine_;
};

// A program of that name on the PATH; empty when there is none.
std::filesystem::path findOnPath(const std::string& name);

} // namespace orvane
