#pragma once
// Finding the Wine prefixes that hold the game where the Linux game
// launchers keep theirs, natively and as Flatpaks. (~/.wine is the caller's
// first look, before any of these.)
#include <filesystem>
#include <string>
#include <vector>

namespace orvane {

// A Wine prefix, and what its launcher records of it.
struct GamePrefix {
    std::filesystem::path folder;
    std::string launcher;                       // "Lutris", "Bottles", "PlayOnLinux", or "Steam"; " (Flatpak)" added
    std::string gameName;                       // the launcher's name for the game or its prefix; may be empty
    std::filesystem::path wine;                 // the launcher's own Wine for this prefix; empty for the system's
    std::string installPath;                    // the game's "InstallPath" there, filled for the prefixes found
    std::filesystem::file_time_type lastUsed{}; // when its registry was last written
};

// Where a player's launchers keep their files.
struct HomeFolders {
    std::filesystem::path home;
    std::filesystem::path dataHome;   // $XDG_DATA_HOME, or ~/.local/share
    std::filesystem::path configHome; // $XDG_CONFIG_HOME, or ~/.config
    std::filesystem::path stateHome;  // $XDG_STATE_HOME, or ~/.local/state
    static HomeFolders fromEnvironment();
};

// A folder with user.reg, system.reg and drive_c.
bool isWinePrefix(const std::filesystem::path& folder);
// Whether user.reg holds a key block of the game's key: a scan for that key
// line, without reading the registry.
bool holdsGameKey(const std::filesystem::path& userReg);

// The launchers' prefixes, each once, whether or not they hold the game.
std::vector<GamePrefix> launcherPrefixes(const HomeFolders& folders);

// The prefixes among them that hold the game, most recently used first.
// Unreadable folders and broken links are passed over.
std::vector<GamePrefix> findGamePrefixes(const HomeFolders& folders);
// The same with ~/.wine among them (launcher "Wine").
std::vector<GamePrefix> everyGamePrefix(const HomeFolders& folders);

// When its registry was last written, "2026-12-08 21:05" in local time;
// empty when not known.
std::string lastUsedText(const GamePrefix& prefix);

} // namespace orvane
