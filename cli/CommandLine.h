#pragma once
// Orvane's command line, for terminals and launchers' scripts: the options
// that answer without a window, and the arguments the window keeps.
#include "language/Texts.h"

#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace orvane {

struct CommandLine {
    bool help = false;
    bool version = false;
    bool listPrefixes = false;
    std::optional<std::string> prefix; // Wine prefixes only
    std::optional<std::string> load;
    std::optional<std::string> save; // "-": standard output
    bool history = false;
    // --restore N, or --restore FILE.
    std::optional<size_t> restoreCount;
    std::optional<std::string> restoreFile;
    // What is not an option, for the window ("/scrshtemu").
    std::vector<std::string> passedOn;

    bool restores() const { return restoreCount || restoreFile; }
    bool withoutWindow() const { return help || version || listPrefixes || load || save || history || restores(); }
};

// What is wrong with the command line, as its English text with %s for
// the option concerned.
struct UsageError {
    std::string format;
    std::string option;
    std::string message(const Texts& texts) const { return texts.formatted(format, {option}); }
};

// withWinePrefixes: --prefix and --list-prefixes exist (not on Windows).
std::variant<CommandLine, UsageError> parseCommandLine(const std::vector<std::string>& arguments,
                                                       bool withWinePrefixes);

// What --help and a wrong command line show.
std::string usage(bool withWinePrefixes, const Texts& texts);

// The paths the player named, absolute from the folder the command was
// started in: the start moves into the game's folder later.
CommandLine withAbsolutePaths(CommandLine line, const std::filesystem::path& startFolder);

} // namespace orvane
