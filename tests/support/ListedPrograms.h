#pragma once
// The running-programs double: lists the programs a test names.
#include "context/RunningPrograms.h"

namespace orvane::test {

class ListedPrograms : public RunningPrograms {
public:
    std::vector<std::string> fileNames() override { return running; }
    std::vector<std::string> running;
};

} // namespace orvane::test
