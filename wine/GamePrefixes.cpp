#include "wine/GamePrefixes.h"

#include "registry/RegistryAccess.h"
#include "settings/Schema.h"
#include "files/TextEncoding.h"
#include "wine/WinePrefixStore.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace orvane {
namespace fs = std::filesystem;
namespace {

// The key line as Wine writes it, in lower case; a key block of the game's
// key or of one below it follows it with "]" or "\\".
constexpr std::string_view GameKeyLine = "[software\\\\blizzard entertainment\\\\warcraft iii";

bool isGameKeyAt(std::string_view text, size_t at)
{
    if (text.size() - at <= GameKeyLine.size())
        return false;
    for (size_t i = 0; i < GameKeyLine.size(); ++i)
        if (asciiLower(text[at + i]) != GameKeyLine[i])
            return false;
    const char next = text[at + GameKeyLine.size()];
    return next == ']' || next == '\\';
}

fs::path fromEnvironment(const char* name, const fs::path& fallback)
{
    const char* value = std::getenv(name);
    return value && *value == '/' ? fs::path(value) : fallback;
}

std::string readInstallPath(const fs::path& folder)
{
    try {
        auto store = std::make_unique<WinePrefixStore>(folder);
        store->onlyRead(); // listing the prefixes changes none of them
        RegistryAccess registry(std::move(store));
        const RegistryKey game = registry.openKey(schema::GameKey);
        return game.hasValue("InstallPath") ? game.readString("InstallPath") : std::string();
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace

HomeFolders HomeFolders::fromEnvironment()
{
    const char* home = std::getenv("HOME");
    const fs::path homeFolder = home ? home : "";
    return {.home = homeFolder,
            .dataHome = orvane::fromEnvironment("XDG_DATA_HOME", homeFolder / ".local/share"),
            .configHome = orvane::fromEnvironment("XDG_CONFIG_HOME", homeFolder / ".config"),
            .stateHome = orvane::fromEnvironment("XDG_STATE_HOME", homeFolder / ".local/state")};
}

bool isWinePrefix(const fs::path& folder)
{
    std::error_code error;
    return fs::is_regular_file(folder / "user.reg", error) && fs::is_regular_file(folder / "system.reg", error) &&
           fs::is_directory(folder / "drive_c", error);
}

bool holdsGameKey(const fs::path& userReg)
{
    const int fd = ::open(userReg.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC); // a named pipe reads as empty
    if (fd < 0)
        return false;
    // Read in pieces; the end of one piece is kept, so that a key line
    // split between two pieces is still seen.
    constexpr size_t Piece = 1u << 20;
    const size_t keep = GameKeyLine.size() + 1;
    std::string buffer(Piece + keep, '\0');
    size_t held = 0;
    bool lineStart = true; // whether buffer[0] begins a line
    bool found = false;
    while (!found) {
        const ssize_t n = ::read(fd, buffer.data() + held, Piece);
        if (n <= 0)
            break;
        const std::string_view text(buffer.data(), held + static_cast<size_t>(n));
        for (size_t at = text.find('['); at != std::string_view::npos && !found; at = text.find('[', at + 1))
            found = (at == 0 ? lineStart : text[at - 1] == '\n') && isGameKeyAt(text, at);
        const size_t kept = std::min(keep, text.size());
        lineStart = text.size() > kept ? text[text.size() - kept - 1] == '\n' : lineStart;
        std::copy(text.end() - static_cast<ptrdiff_t>(kept), text.end(), buffer.begin());
        held = kept;
    }
    ::close(fd);
    return found;
}

namespace {

std::vector<GamePrefix> holdingTheGame(std::vector<GamePrefix> candidates)
{
    std::vector<GamePrefix> found;
    for (GamePrefix& prefix : candidates) {
        if (!isWinePrefix(prefix.folder) || !holdsGameKey(prefix.folder / "user.reg"))
            continue;
        std::error_code error;
        prefix.lastUsed = fs::last_write_time(prefix.folder / "user.reg", error);
        prefix.installPath = readInstallPath(prefix.folder);
        found.push_back(std::move(prefix));
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const GamePrefix& a, const GamePrefix& b) { return a.lastUsed > b.lastUsed; });
    return found;
}

} // namespace

std::vector<GamePrefix> findGamePrefixes(const HomeFolders& folders)
{
    return holdingTheGame(launcherPrefixes(folders));
}

std::string lastUsedText(const GamePrefix& prefix)
{
    const auto written = std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(prefix.lastUsed));
    std::tm local{};
    char when[32] = "";
    if (written > 0 && ::localtime_r(&written, &local))
        std::strftime(when, sizeof when, "%Y-%m-%d %H:%M", &local);
    return when;
}

std::vector<GamePrefix> everyGamePrefix(const HomeFolders& folders)
{
    std::vector<GamePrefix> candidates{{.folder = folders.home / ".wine", .launcher = "Wine"}};
    for (GamePrefix& prefix : launcherPrefixes(folders))
        candidates.push_back(std::move(prefix));
    return holdingTheGame(std::move(candidates));
}

} // namespace orvane
