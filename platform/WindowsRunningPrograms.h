#pragma once
#include "context/RunningPrograms.h"

namespace orvane {

// The processes of Orvane's own session, as a Toolhelp snapshot lists them:
// the session is the player's, so another player's game does not count.
class WindowsRunningPrograms : public RunningPrograms {
public:
    std::vector<std::string> fileNames() override;
};

} // namespace orvane
