#include "platform/PosixProgramStarter.h"

#include "platform/WindowsArguments.h"

#include <cstdlib>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace orvane {
namespace {

// Starts the program in a session of its own, so that it outlives Orvane;
// the environment is Orvane's with the changes given.
bool spawnDetached(const std::vector<std::string>& arguments, const std::vector<std::string>& changes)
{
    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry) {
        const std::string variable(*entry);
        bool replaced = false;
        for (const std::string& change : changes)
            replaced = replaced || variable.substr(0, variable.find('=') + 1) == change.substr(0, change.find('=') + 1);
        if (!replaced)
            environment.push_back(variable);
    }
    environment.insert(environment.end(), changes.begin(), changes.end());
    std::vector<char*> argv, envp;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    for (const std::string& variable : environment)
        envp.push_back(const_cast<char*>(variable.c_str()));
    envp.push_back(nullptr);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    pid_t child = 0;
    const int result = posix_spawn(&child, argv[0], nullptr, &attributes, argv.data(), envp.data());
    posix_spawnattr_destroy(&attributes);
    return result == 0;
}

std::filesystem::path wineProgram()
{
    if (const char* wine = std::getenv("WINE"); wine && *wine)
        return std::string(wine).find('/') == std::string::npos ? findOnPath(wine) : std::filesystem::path(wine);
    return findOnPath("wine");
}

// The desktop's own choice of program for a file or an address.
bool openWithDesktop(const std::string& target, std::string& reason)
{
    const std::filesystem::path opener = findOnPath("xdg-open");
    if (opener.empty() || !spawnDetached({opener.string(), target}, {})) {
        reason = "The desktop cannot open " + target + ": xdg-open (from xdg-utils) was not found";
        return false;
    }
    return true;
}

} // namespace

std::filesystem::path findOnPath(const std::string& name)
{
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "";
    size_t start = 0;
    while (start <= folders.size()) {
        const size_t end = std::min(folders.find(':', start), folders.size());
        const std::filesystem::path candidate = std::filesystem::path(folders.substr(start, end - start)) / name;
        if (end > start && ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
        start = end + 1;
    }
    return {};
}

bool PosixProgramStarter::startProgram(const std::string& file, const std::string& parameters, std::string& reason)
{
    const std::filesystem::path wine = prefixWine_.empty() ? wineProgram() : prefixWine_;
    if (wine.empty() || ::access(wine.c_str(), X_OK) != 0) {
        reason = "No Wine was found to start " + file +
                 ". Install Wine, or set WINE to the wine program that runs the game's prefix";
        return false;
    }
    std::vector<std::string> arguments{wine.string(), file};
    for (const std::string& argument : splitParameters(parameters))
        arguments.push_back(argument);
    if (!spawnDetached(arguments, {"WINEPREFIX=" + prefix_.string()})) {
        reason = "Wine (" + wine.string() + ") could not be started for " + file;
        return false;
    }
    return true;
}

bool PosixProgramStarter::openTextFile(const std::string& file, std::string& reason)
{
    return openWithDesktop(file, reason);
}

bool PosixProgramStarter::openLink(const std::string& address, std::string& reason)
{
    return openWithDesktop(address, reason);
}

} // namespace orvane
