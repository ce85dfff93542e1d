#include "cli/CommandLine.h"

#include "files/Utf8Paths.h"
#include "wine/WinePaths.h"

#include <string_view>

namespace orvane {
namespace {

// xgettext finds the texts of usage errors by this name.
UsageError usageError(const char* format, std::string option = {})
{
    return UsageError{format, std::move(option)};
}

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

// "--restore", "--restore N", "--restore FILE" or "--restore=...": the
// newest change (1), the number of changes to go back, or an entry file.
std::optional<UsageError> takeRestore(CommandLine& line, const std::vector<std::string>& arguments, size_t& at)
{
    if (line.restores())
        return usageError("%s is given twice", "--restore");
    const std::string& argument = arguments[at];
    std::string value = "1";
    if (argument.size() > 9 && argument[9] == '=')
        value = argument.substr(10);
    else if (argument == "--restore" && at + 1 < arguments.size() && !arguments[at + 1].starts_with('-'))
        value = arguments[++at];
    else if (argument != "--restore")
        return usageError("unknown option %s", argument);
    if (value.empty())
        return usageError("%s needs a number from 1 on or a file", "--restore");
    if (value.find_first_not_of("0123456789") != std::string::npos) {
        line.restoreFile = value;
        return std::nullopt;
    }
    if (value.size() > 9 || std::stoul(value) == 0)
        return usageError("%s needs a number from 1 on or a file", "--restore");
    line.restoreCount = std::stoul(value);
    return std::nullopt;
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
                return usageError("%s is given twice", std::string(name));
            into = valueOf(arguments, at, name);
            if (!into || into->empty())
                return name == "--prefix" ? usageError("%s needs a folder", std::string(name))
                                          : usageError("%s needs a file", std::string(name));
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
        else if (argument == "--history")
            line.history = true;
        else if (name == "--restore")
            error = takeRestore(line, arguments, at);
        else if (argument.size() > 1 && argument[0] == '-')
            error = usageError("unknown option %s", argument);
        else
            line.passedOn.push_back(argument);
        if (error)
            return *error;
    }
    if ((line.load || line.save) + line.history + line.restores() > 1)
        return usageError("give one of --history, --restore and --load/--save");
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
    absolute(line.restoreFile);
    if (line.prefix)
        line.prefix = displayPath(absoluteFolder(pathOf(*line.prefix), startFolder));
    return line;
}

} // namespace orvane
