#include "tests/wine/WinePrefixFixture.h"

#include "tests/support/TempPrefix.h"

#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace orvane::test {

int runProgram(const std::vector<std::string>& arguments, std::string* output)
{
    // Into a file, not a pipe: a wineserver started on the way lives on
    // with the child's standard output.
    char outputFile[] = "/tmp/orvane-wine-output-XXXXXX";
    const int fd = ::mkstemp(outputFile);
    if (fd < 0)
        return -1;
    ::close(fd);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outputFile, O_WRONLY | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    const int spawned = ::posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned == 0)
        ::waitpid(child, &status, 0);
    if (output)
        *output = readFile(outputFile);
    ::unlink(outputFile);
    return spawned == 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::filesystem::path WinePrefixTest::prefix()
{
    // The prefix that the test's environment names for Wine.
    const char* named = std::getenv("WINEPREFIX");
    if (named && *named)
        return named;
    return std::filesystem::path(std::getenv("HOME")) / ".wine";
}

void WinePrefixTest::SetUpTestSuite()
{
    ::setenv("WINEDEBUG", "-all", 1);
    ::setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 1);
    ::setenv("LANG", "C.UTF-8", 1); // non-ASCII arguments reach Wine as UTF-8
    if (!std::filesystem::exists(prefix() / "system.reg")) {
        std::filesystem::create_directories(prefix().parent_path());
        ASSERT_EQ(runProgram({"wineboot", "-i"}), 0);
    }
    waitForWineserver();
}

void WinePrefixTest::SetUp()
{
    orvane()->deleteKey(Key);
}

void WinePrefixTest::TearDown()
{
    waitForWineserver();
    orvane()->deleteKey(Key);
}

int WinePrefixTest::wine(std::vector<std::string> arguments, std::string* output)
{
    arguments.insert(arguments.begin(), "wine");
    std::string printed;
    int status = runProgram(arguments, &printed);
    waitForWineserver();
    // Now and then, on a busy machine, Wine cannot start its own builtin
    // program at all; that says nothing about the registry, so once more.
    if (printed.find("Application could not be started") != std::string::npos) {
        status = runProgram(arguments, &printed);
        waitForWineserver();
    }
    if (output)
        *output = printed;
    return status;
}

void WinePrefixTest::waitForWineserver()
{
    runProgram({"wineserver", "-w"});
}

std::unique_ptr<RegistryAccess> WinePrefixTest::orvane() const
{
    return std::make_unique<RegistryAccess>(std::make_unique<WinePrefixStore>(prefix()));
}

} // namespace orvane::test
