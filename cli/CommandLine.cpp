#include "cli/CommandLine.h"

#include "files/Utf8Paths.h"
#include "wine/WinePaths.h"

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

std::variant<CommandLine, UsageError> parseCommandLine(const std::vector<std::string>& arguments, bool withWinePrefixes)
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
