#pragma once
// The programs running beside Orvane for the same player. The real list is
// the system's; tests hand the program a double that lists what they name.
#include <string>
#include <vector>

namespace orvane {

class RunningPrograms {
public:
    virtual ~RunningPrograms() = default;
    // The file names of the programs running for this player ("war3.exe"),
    // spelled as the system lists them.
    virtual std::vector<std::string> fileNames() = 0;
};

} // namespace orvane
