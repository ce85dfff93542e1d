#pragma once
// The orvane program started as a terminal or a launcher's script starts
// it, on the prefix of a game installed for the test.
#include "tests/support/Files.h"
#include "tests/support/TestGame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace orvane {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

class OrvaneCommand : public ::testing::Test {
protected:
    // orvane started with these arguments and, beside the test's own
    // environment, these variables set ("NAME=value") or removed ("NAME"),
    // in the folder given or the test's own; its output goes to files named
    // after run. Its history is kept below stateHome() unless XDG_STATE_HOME
    // is given. Returns its process.
    pid_t launch(const std::vector<std::string>& arguments, const std::vector<std::string>& variables,
                 const std::filesystem::path& startedIn, const std::string& run) const
    {
        const std::filesystem::path out = game.scratch() / (run + ".out");
        const std::filesystem::path err = game.scratch() / (run + ".err");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (!startedIn.empty())
            posix_spawn_file_actions_addchdir_np(&actions, startedIn.c_str());
        const std::string program = std::string(ORVANE_BINARY_DIR) + "/orvane";
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        std::vector<std::string> environment;
        for (char** entry = environ; *entry; ++entry) {
            const std::string setting = *entry;
            const std::string name = setting.substr(0, setting.find('='));
            if (name != "DISPLAY" && name != "WAYLAND_DISPLAY" && name != "XDG_STATE_HOME" &&
                std::none_of(variables.begin(), variables.end(), [&](const std::string& variable) {
                    return variable.substr(0, variable.find('=')) == name;
                }))
                environment.push_back(setting);
        }
        for (const std::string& variable : variables)
            if (variable.find('=') != std::string::npos)
                environment.push_back(variable);
        // The history of the test's own, not in the home of whoever runs it.
        if (std::none_of(variables.begin(), variables.end(),
                         [](const std::string& variable) { return variable.starts_with("XDG_STATE_HOME"); }))
            environment.push_back("XDG_STATE_HOME=" + stateHome().string());
        std::vector<char*> envp;
        for (std::string& setting : environment)
            envp.push_back(setting.data());
        envp.push_back(nullptr);
        pid_t child = -1;
        if (::posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), envp.data()) != 0)
            child = -1;
        posix_spawn_file_actions_destroy(&actions);
        return child;
    }
    Outcome finish(pid_t child, const std::string& run) const
    {
        Outcome outcome;
        int status = 0;
        if (child > 0 && ::waitpid(child, &status, 0) == child)
            outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        outcome.out = test::readFile(game.scratch() / (run + ".out"));
        outcome.err = test::readFile(game.scratch() / (run + ".err"));
        return outcome;
    }
    Outcome orvane(const std::vector<std::string>& arguments, const std::vector<std::string>& variables = {},
                   const std::filesystem::path& startedIn = {}) const
    {
        return finish(launch(arguments, variables, startedIn, "orvane"), "orvane");
    }
    Outcome onPrefix(std::vector<std::string> arguments, std::vector<std::string> variables = {}) const
    {
        arguments.insert(arguments.begin(), {"--prefix", game.prefix().string()});
        variables.push_back("WINEPREFIX");
        return orvane(arguments, variables);
    }
    std::string userReg() const { return test::readFile(game.prefix() / "user.reg"); }
    std::filesystem::path stateHome() const { return game.scratch() / "state"; }
    std::filesystem::path configuration(const std::string& name, const std::string& text) const
    {
        const std::filesystem::path file = game.scratch() / name;
        test::writeFile(file, text);
        return file;
    }

    test::TestGame game;
};

} // namespace orvane
