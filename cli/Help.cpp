// --help, and what a wrong command line is answered with.
#include "cli/CommandLine.h"
#include "cli/Verbs.h"

namespace orvane {

std::string usage(bool withWinePrefixes)
{
    std::string text = withWinePrefixes ? "Usage: orvane [--prefix DIR] [--load FILE] [--save FILE|-]\n"
                                          "       orvane [--prefix DIR] --history | --restore [N|FILE]\n"
                                          "       orvane --list-prefixes | --help | --version\n"
                                        : "Usage: orvane.exe [--load FILE] [--save FILE|-]\n"
                                          "       orvane.exe --history | --restore [N|FILE]\n"
                                          "       orvane.exe --help | --version\n";
    text += "\nEdits the Warcraft III settings of ";
    text += withWinePrefixes ? "a Wine prefix" : "the current user";
    text += ". Without an option it opens its window.\n\n";
    if (withWinePrefixes)
        text += "  --prefix DIR      edit the Wine prefix DIR (before WINEPREFIX and the search)\n"
                "  --list-prefixes   list the Wine prefixes that hold the game, most recently used first\n";
    text += "  --load FILE       apply a saved configuration to the registry, without a window\n"
            "  --save FILE       save the settings as a configuration file; - for standard output\n"
            "  --history         list the changes Orvane can undo, newest first: number, time,\n"
            "                    what made it, how many values\n"
            "  --restore [N]     put back the settings as they were before change N (default 1,\n"
            "                    the last change); the restore can itself be undone\n"
            "  --restore FILE    put back the settings one history file holds\n"
            "  --help            show this text\n"
            "  --version         show the version\n"
            "\nExit status: 0 done, 1 refused or failed (nothing written), 2 wrong usage.\n";
    text += withWinePrefixes ? "\nThe history is kept in $XDG_STATE_HOME/orvane/history/ (~/.local/state by default),\n"
                               "one registry file per change, which `wine regedit FILE` also imports.\n"
                             : "\nThe history is kept in %LOCALAPPDATA%\\Orvane\\History, one registry file per\n"
                               "change, which a double click (or regedit /s FILE) also imports.\n";
    return text;
}

int printHelp(bool withWinePrefixes, std::ostream& out)
{
    out << usage(withWinePrefixes);
    return 0;
}

} // namespace orvane
