#pragma once
// The program-starter double: records each start, with the directory it
// would run in, and says whether it could begin.
#include "context/ProgramStarter.h"

#include <filesystem>
#include <vector>

namespace orvane::test {

class RecordingStarter : public ProgramStarter {
public:
    struct Start {
        std::string file;
        std::string parameters;
        std::filesystem::path directory;
        bool operator==(const Start&) const = default;
    };
    bool startProgram(const std::string& file, const std::string& parameters, std::string& reason) override
    {
        starts.push_back({file, parameters, std::filesystem::current_path()});
        reason = failure;
        return failure.empty();
    }
    bool openTextFile(const std::string& file, std::string& reason) override
    {
        opened.push_back(file);
        reason = failure;
        return failure.empty();
    }

    bool openLink(const std::string& address, std::string& reason) override
    {
        links.push_back(address);
        reason = failure;
        return failure.empty();
    }

    std::vector<Start> starts;
    std::vector<std::string> links;
    std::vector<std::string> opened;
    std::string failure; // the reason the next starts cannot begin; empty: they can
};

} // namespace orvane::test
