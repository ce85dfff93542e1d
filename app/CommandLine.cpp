#include "app/CommandLine.h"

#include "files/Utf8Paths.h"

#include <string_view>

namespace orvane {
namespace {

// "--load FILE" or "--load=FILE": the value, or a usage error.
std::optional<std::string> valueOf(const std::vector<std::string>& arguments, size_t& at, std::string_view option)
{
    const std::string& argument = arguments[at];
    if (argument.size() > option.size() && argument[option.size()] == '=')
        return argument.substr(option.size() + 1);
    if (at + 1 >= arguments.size())
        return std::nullopt;
    return arguments[++at];
}

} // namespace

std::variant<CommandLine, UsageError> parseCommandLine(const std::vector<std::string>& arguments,
                                                       bool withWinePrefixes)
{
    CommandLine line;
    for (size_t at = 0; at < arguments.size(); ++at) {
        const std::string& argument = arguments[at];
        const std::string_view name = std::string_view(argument).substr(0, argument.find('='));
        const auto takeValue = [&](std::optional<std::string>& into) -> std::optional<UsageError> {
            if (into)
                return UsageError{std::string(name) + " is given twice"};
            into = valueOf(arguments, at, name);
            if (!into || into->empty())
                return UsageError{std::string(name) + " needs " + (name == "--prefix" ? "a folder" : "a file")};
            return std::nullopt;
        };
        std::optional<UsageError> error;
        if (argument == "--help" || argument == "-h")
            line.help = true;
        else if (argument == "--version")
            line.version = true;
        else if (withWinePrefixes && argument == "--list-prefixes")
            line.listPrefixes = true;
        else if (withWinePrefixes && name == "--prefix")
            error = takeValue(line.prefix);
        else if (name == "--load")
            error = takeValue(line.load);
        else if (name == "--save")
            error = takeValue(line.save);
        else if (argument.size() > 1 && argument[0] == '-')
            error = UsageError{"unknown option " + argument};
        else
            line.passedOn.push_back(argument);
        if (error)
            return *error;
    }
    return line;
}

std::string usage(bool withWinePrefixes)
{
    std::string text = withWinePrefixes ? "Usage: orvane [--prefix DIR] [--load FILE] [--save FILE|-]\n"
                                          "       orvane --list-prefixes | --help | --version\n"
                                        : "Usage: orvane.exe [--load FILE] [--save FILE|-]\n"
                                          "       orvane.exe --help | --version\n";
    text += "\nEdits the Warcraft III settings of ";
    text += withWinePrefixes ? "a Wine prefix" : "the current user";
    text += ". Without an option it opens its window.\n\n";
    if (withWinePrefixes)
        text += "  --prefix DIR      edit the Wine prefix DIR (before WINEPREFIX and the search)\n"
                "  --list-prefixes   list the Wine prefixes that hold the game, most recently used first\n";
    text += "  --load FILE       apply a saved configuration to the registry, without a window\n"
            "  --save FILE       save the settings as a configuration file; - for standard output\n"
            "  --help            show this text\n"
            "  --version         show the version\n"
            "\nExit status: 0 done, 1 refused or failed (nothing written), 2 wrong usage.\n";
    return text;
}

std::filesystem::path absoluteFolder(const std::filesystem::path& folder, const std::filesystem::path& startFolder)
{
    std::filesystem::path absolute = (startFolder / folder).lexically_normal();
    if (!absolute.has_filename() && absolute != absolute.root_path())
        absolute = absolute.parent_path();
    return absolute;
}

CommandLine withAbsolutePaths(CommandLine line, const std::filesystem::path& startFolder)
{
    const auto absolute = [&](std::optional<std::string>& named) {
        if (named && *named != "-")
            named = displayPath((startFolder / pathOf(*named)).lexically_normal());
    };
    absolute(line.load);
    absolute(line.save);
    if (line.prefix)
        line.prefix = displayPath(absoluteFolder(pathOf(*line.prefix), startFolder));
    return line;
}

} // namespace orvane
