// Another program saving user.reg beside back-to-back Orvane commands, as a
// launcher or a second tool does: each of its saves must survive, however
// its rename falls between Orvane's reads, checks and writes.
#include "registry/RegistryErrors.h"
#include "registry/RegistryAccess.h"
#include "wine/WinePrefixStore.h"
#include "tests/support/Files.h"
#include "tests/support/TempPrefix.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace orvane {
namespace {

const std::string Gameplay = "Software\\Blizzard Entertainment\\Warcraft III\\Gameplay";
constexpr int OutsideSaves = 600;

std::string outsideKey(int save)
{
    return "[Software\\\\Outside\\\\" + std::to_string(save) + "] 1\n";
}

// Reads the file, adds a key of its own, writes a new file and renames it
// over user.reg: a whole save, without Orvane's knowledge.
[[noreturn]] void saveFromOutside(const std::filesystem::path& userReg)
{
    std::mt19937 random(static_cast<unsigned>(::getpid()));
    const std::string temp = userReg.string() + ".outside";
    for (int save = 0; save < OutsideSaves; ++save) {
        std::string content = test::readFile(userReg);
        content += outsideKey(save) + "\"Saved\"=dword:00000001\n\n";
        if (std::FILE* file = std::fopen(temp.c_str(), "wb")) {
            std::fwrite(content.data(), 1, content.size(), file);
            std::fclose(file);
        }
        std::rename(temp.c_str(), userReg.c_str());
        ::usleep(static_cast<useconds_t>(random() % 2000));
    }
    ::_exit(0);
}

TEST(WineStoreRace, NoOutsideSaveIsOverwrittenByCommandsRunningBesideIt)
{
    test::TempPrefix prefix;
    prefix.writeUserReg(std::string(test::WineHeader) +
                        "\n[Software\\\\Blizzard Entertainment\\\\Warcraft III\\\\Gameplay] 1\n"
                        "\"keyscroll\"=dword:00000032\n\n");
    const pid_t outside = ::fork();
    ASSERT_GE(outside, 0);
    if (outside == 0)
        saveFromOutside(prefix.userReg());

    // One store for the whole run, as the window keeps it.
    RegistryAccess registry(std::make_unique<WinePrefixStore>(prefix.path()));
    int commands = 0;
    int refused = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (::waitpid(outside, nullptr, WNOHANG) == 0 && std::chrono::steady_clock::now() < deadline) {
        RegistryCommand command(registry);
        try {
            RegistryKey key = registry.openKey(Gameplay);
            key.writeInteger("keyscroll", ++commands % 100);
            command.finish();
        } catch (const RegistryError&) {
            ++refused; // "kept changing while Orvane saved it": nothing written, nothing lost
        }
    }
    ::kill(outside, SIGKILL);
    ::waitpid(outside, nullptr, 0);

    const std::string final = prefix.readUserReg();
    int lost = 0;
    for (int save = 0; save < OutsideSaves; ++save)
        lost += final.find(outsideKey(save)) == std::string::npos;
    std::printf("%d outside saves beside %d Orvane commands (%d refused as changing): %d overwritten\n", OutsideSaves,
                commands, refused, lost);
    EXPECT_GE(commands, 50); // enough to have run beside most outside saves
    EXPECT_EQ(lost, 0);
}

} // namespace
} // namespace orvane
