// The trees' blocks taken from user.reg as it streams past: the lines
// Wine's loader takes for the trees' key lines start their blocks, and no
// other line does.
#include "wine/WineRegExcerpt.h"
#include "tests/support/TempPrefix.h"

#include <gtest/gtest.h>

#include <sys/mman.h>
#include <unistd.h>

using namespace std::string_literals;

namespace orvane {
namespace {

using test::WineHeader;

constexpr std::string_view Own[] = {"Software\\Blizzard Entertainment\\Warcraft III", "Software\\Orvane"};

std::optional<std::string> excerptOf(std::string_view content, size_t size, size_t chunk)
{
    const int fd = ::memfd_create("user.reg", 0);
    EXPECT_EQ(::write(fd, content.data(), content.size()), static_cast<ssize_t>(content.size()));
    ::lseek(fd, 0, SEEK_SET);
    std::optional<std::string> excerpt = treesExcerpt(fd, size, Own, chunk);
    ::close(fd);
    return excerpt;
}

// At every buffer size the trees' blocks and the header are kept whole and
// nothing else, whatever lies at the buffer's edge: a key line after a form
// feed is one, a line that another value's hex data continues onto is none.
// What only the whole file can tell is left to reading it whole.
TEST(WineRegExcerpt, KeepsTheTreesBlocksAtEveryBufferSize)
{
    const std::string gameplay = "[Software\\\\Blizzard Entertainment\\\\Warcraft III\\\\Gameplay] 1\n"
                                 "\"keyscroll\"=dword:00000032\n\n";
    const std::string orvane = " \t[software\\\\ORVANE] 2\r\n\"opengl\"=dword:00000001\r\n";
    const std::string formFed = "\f[Software\\\\Orvane\\\\BnetUsers] 3\n\"BnetName0\"=\"a\"\n";
    const std::string others = "[Software\\\\Blizzard Entertainment\\\\Warcraft III Demo] 1\n"
                               "\"x\"=\"" + std::string(300, 'y') + "\"\n"
                               "   \n"
                               "  \t [Software\\\\Classes\\\\.txt] 3\n"
                               "\"[no key\"=hex:00,\\\n  [01\n"
                               "\"bin\"=hex:00,\\ as Wine reads it\n"
                               "[Software\\\\Blizzard Entertainment\\\\Warcraft III\\\\Gameplay] 4\n"
                               "\"keyscroll\"=dword:00000007\n"
                               "\"chain\"=hex:00,\\\n  01,\\\n  02,\\ tail\n"
                               "[Software\\\\Blizzard Entertainment\\\\Warcraft III\\\\Sound] 5\n\n";
    // Hex data that fails on its second line continues onto no further line.
    const std::string broken = "[Software\\\\Other] 6\n\"broken\"=hex:00,\\\n  zz,\\\n";
    const std::string text =
        std::string(WineHeader) + "\n" + others + gameplay + others + broken + orvane + others + formFed;
    const std::string expected = std::string(WineHeader) + "\n" + gameplay + orvane + formFed;
    for (size_t chunk = 1; chunk <= text.size() + 1; ++chunk)
        ASSERT_EQ(excerptOf(text, text.size(), chunk), expected) << "a buffer of " << chunk << " bytes";

    EXPECT_EQ(excerptOf(text, text.size() + 1, 64), std::nullopt) << "shorter than its size said";
    for (const std::string& end : {"[Software\\\\Other] 1\n\"x\"=\"\0\"\n"s, "[Software\\\\Other] 1\n\"x\"=\"ab"s,
                                   "[Software\\\\Other] 1\n\"x\"=hex:00,\\ \r\n"s, "[A\n#arch=win16\n"s}) {
        const std::string refused = text + end;
        EXPECT_EQ(excerptOf(refused, refused.size(), 64), std::nullopt) << end;
    }

    // A file that grows while it is read is read a byte past its size, and no further.
    const int grown = ::memfd_create("user.reg", 0);
    ASSERT_EQ(::write(grown, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    ::lseek(grown, 0, SEEK_SET);
    EXPECT_EQ(treesExcerpt(grown, 100, Own, 64), std::nullopt);
    EXPECT_EQ(::lseek(grown, 0, SEEK_CUR), 101);
    ::close(grown);
}

} // namespace
} // namespace orvane
