// --help, and what a wrong command line is answered with.
#include "cli/CommandLine.h"
#include "cli/Verbs.h"

#include <algorithm>

namespace orvane {
namespace {

// "  --load FILE       " and the option's description, its further lines
// indented as far.
std::string option(std::string_view name, std::string_view description)
{
    constexpr size_t Column = 20;
    std::string line = "  " + std::string(name);
    line.resize(std::max(Column, line.size() + 1), ' ');
    for (const char c : description)
        line += c == '\n' ? "\n" + std::string(Column, ' ') : std::string(1, c);
    return line + "\n";
}

} // namespace

std::string usage(bool withWinePrefixes, const Texts& texts)
{
    // The synopsis names options, which stay as they are in every language.
    std::string text = texts("Usage:") + " ";
    text += withWinePrefixes ? "orvane [--prefix DIR] [--load FILE] [--save FILE|-]\n"
                               "       orvane [--prefix DIR] --history | --restore [N|FILE]\n"
                               "       orvane --list-prefixes | --help | --version\n\n"
                             : "orvane.exe [--load FILE] [--save FILE|-]\n"
                               "       orvane.exe --history | --restore [N|FILE]\n"
                               "       orvane.exe --help | --version\n\n";
    text += withWinePrefixes ? texts("Edits the Warcraft III settings of a Wine prefix. Without an option it opens "
                                     "its window.")
                             : texts("Edits the Warcraft III settings of the current user. Without an option it "
                                     "opens its window.");
    text += "\n\n";
    if (withWinePrefixes) {
        text += option("--prefix DIR", texts("edit the Wine prefix DIR (before WINEPREFIX and the search)"));
        text += option("--list-prefixes", texts("list the Wine prefixes that hold the game, most recently used first"));
    }
    text += option("--load FILE", texts("apply a saved configuration to the registry, without a window"));
    text += option("--save FILE", texts("save the settings as a configuration file; - for standard output"));
    text += option("--history", texts("list the changes Orvane can undo, newest first: number, time,\n"
                                      "what made it, how many values"));
    text += option("--restore [N]", texts("put back the settings as they were before change N (default 1,\n"
                                          "the last change); the restore can itself be undone"));
    text += option("--restore FILE", texts("put back the settings one history file holds"));
    text += option("--help", texts("show this text"));
    text += option("--version", texts("show the version"));
    text += "\n";
    text += texts("Exit status: 0 done, 1 refused or failed (nothing written), 2 wrong usage.");
    text += "\n\n";
    text += withWinePrefixes ? texts("The history is kept in $XDG_STATE_HOME/orvane/history/ (~/.local/state by "
                                     "default),\none registry file per change, which `wine regedit FILE` also "
                                     "imports.")
                             : texts("The history is kept in %LOCALAPPDATA%\\Orvane\\History, one registry file "
                                     "per\nchange, which a double click (or regedit /s FILE) also imports.");
    return text + "\n";
}

int printHelp(bool withWinePrefixes, const Texts& texts, std::ostream& out)
{
    out << usage(withWinePrefixes, texts);
    return 0;
}

} // namespace orvane
