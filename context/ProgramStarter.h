#pragma once
// Starting the game, the editor and the readme's viewer. The real starter
// is the system's shell (or, on Linux, Wine in the player's prefix); tests
// hand the program a double that records what was started.
#include <string>

namespace orvane {

class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // Starts a Windows program with a parameter string, in Orvane's current
    // directory. False when it could not even begin; reason then says why.
    virtual bool startProgram(const std::string& file, const std::string& parameters, std::string& reason) = 0;
    // Opens a text file in the system's viewer for text.
    virtual bool openTextFile(const std::string& file, std::string& reason) = 0;
    // Opens a "mailto:" or web address in the system's mail client or browser.
    virtual bool openLink(const std::string& address, std::string& reason) = 0;
};

} // namespace orvane
