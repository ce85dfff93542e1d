#pragma once
// A Wine prefix folder of its own for one test, removed afterwards.
#include "tests/support/Files.h"

#include <filesystem>
#include <string>

namespace orvane::test {

class TempPrefix {
public:
    TempPrefix();
    ~TempPrefix();
    TempPrefix(const TempPrefix&) = delete;
    TempPrefix& operator=(const TempPrefix&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path userReg() const { return path_ / "user.reg"; }

    void writeUserReg(const std::string& content) const;
    std::string readUserReg() const;
    // Files in the prefix folder other than user.reg (left-over temporaries).
    int strayFiles() const;

private:
    std::filesystem::path path_;
};

inline constexpr const char* WineHeader = "WINE REGISTRY Version 2\n"
                                          ";; All keys relative to REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000\n"
                                          "\n"
                                          "#arch=win64\n";

// A user.reg holding the game's Gameplay key with keyscroll 50, then filler.
inline std::string gameplayUserReg(const std::string& filler = "")
{
    return std::string(WineHeader) +
           "\n"
           "[Software\\\\Blizzard Entertainment\\\\Warcraft III\\\\Gameplay] 1796739014\n"
           "\"keyscroll\"=dword:00000032\n"
           "\n" +
           filler;
}

} // namespace orvane::test
