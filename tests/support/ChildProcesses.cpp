#include "tests/support/ChildProcesses.h"

#include "wine/WinePrefixStore.h"

#include <gtest/gtest.h>

#include <fstream>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orvane::test {
namespace {

// Runs check in a child process, set up first by prepare; the check's
// failures fail the test.
void inChild(const std::function<void()>& prepare, const std::function<void()>& check, const char* as)
{
    const pid_t child = ::fork();
    ASSERT_GE(child, 0) << "cannot fork";
    if (child == 0) {
        prepare();
        check();
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "the check " << as << " ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the check failed " << as;
}

} // namespace

void asOrdinaryUser(const std::function<void()>& check)
{
    if (::geteuid() != 0) {
        check();
        return;
    }
    inChild(
        [] {
            const passwd* nobody = ::getpwnam("nobody");
            if (!nobody || ::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0)
                ::_exit(3);
        },
        check, "as the user nobody");
}

void withLittleMemory(size_t headroom, const std::function<void()>& check)
{
    inChild(
        [headroom] {
            size_t pages = 0;
            std::ifstream("/proc/self/statm") >> pages; // the address space in use
            const rlim_t limit = pages * static_cast<size_t>(::sysconf(_SC_PAGESIZE)) + headroom;
            const struct rlimit bound {
                limit, limit
            };
            if (::setrlimit(RLIMIT_AS, &bound) != 0)
                ::_exit(3);
        },
        check, "with little memory");
}

bool addressSanitized()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
    return __has_feature(address_sanitizer);
#else
    return false;
#endif
}

bool killedSave(const std::filesystem::path& prefix, const std::function<void()>& arm,
                const std::function<void(RegistryAccess&)>& change)
{
    const pid_t saver = ::fork();
    if (saver < 0) {
        ADD_FAILURE() << "cannot fork the saver";
        return false;
    }
    if (saver == 0) {
        arm();
        RegistryAccess registry(std::make_unique<WinePrefixStore>(prefix));
        RegistryCommand command(registry);
        change(registry);
        command.finish();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(saver, &status, 0);
    return WIFSIGNALED(status) && std::filesystem::exists(prefix / "user.reg.orvane-journal");
}

} // namespace orvane::test
