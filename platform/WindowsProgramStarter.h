#pragma once
#include "context/ProgramStarter.h"

namespace orvane {

// The Windows shell: ShellExecuteW with "open"; text files in Notepad.
class WindowsProgramStarter : public ProgramStarter {
public:
    bool startProgram(const std::string& file, const std::string& parameters, std::string& reason) override;
    bool openTextFile(const std::string& file, std::string& reason) override;
    bool openLink(const std::string& address, std::string& reason) override;
};

} // namespace orvane
