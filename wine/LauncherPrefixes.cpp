// Where each launcher keeps its Wine prefixes, and which Wine it runs them
// with. Every launcher also comes as a Flatpak, with its files under
// ~/.var/app/<app-id>.
#include "wine/GamePrefixes.h"

#include <algorithm>
#include <fstream>
#include <set>

namespace orvane {
namespace fs = std::filesystem;
namespace {

std::vector<fs::path> subfolders(const fs::path& folder)
{
    std::vector<fs::path> found;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (std::error_code kind; it->is_directory(kind))
            found.push_back(it->path());
    std::sort(found.begin(), found.end());
    return found;
}

std::vector<fs::path> filesEndingIn(const fs::path& folder, std::string_view ending)
{
    std::vector<fs::path> found;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (it->path().filename().string().ends_with(ending))
            found.push_back(it->path());
    std::sort(found.begin(), found.end());
    return found;
}

std::string trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t\r\"'");
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(" \t\r\"'");
    return std::string(text.substr(first, last - first + 1));
}

// The value of "key: value" (or key=value) lines; in a YAML file, inside the
// given top-level section when one is named.
std::string settingIn(const fs::path& file, std::string_view key, std::string_view section = {}, char separator = ':')
{
    std::ifstream in(file);
    std::string line;
    bool inSection = section.empty();
    while (std::getline(in, line)) {
        const bool indented = !line.empty() && (line[0] == ' ' || line[0] == '\t');
        if (!section.empty() && !indented && !line.empty())
            inSection = trimmed(line) == std::string(section) + ':';
        const std::string text = trimmed(line);
        if (inSection && text.starts_with(key) && text.size() > key.size() && text[key.size()] == separator)
            return trimmed(std::string_view(text).substr(key.size() + 1));
    }
    return {};
}

fs::path expandHome(const std::string& path, const fs::path& home)
{
    if (path == "~" || path.starts_with("~/"))
        return home / path.substr(std::min<size_t>(path.size(), 2));
    return path;
}

fs::path existingWine(const fs::path& wine)
{
    std::error_code error;
    return fs::exists(wine, error) ? wine : fs::path();
}

struct Flavour {
    std::string launcher;
    fs::path config; // the launcher's configuration folder
    fs::path data;   // the launcher's data folder
};

void lutris(const HomeFolders& folders, std::vector<GamePrefix>& out)
{
    const fs::path flatpak = folders.home / ".var/app/net.lutris.Lutris";
    for (const Flavour& flavour : {Flavour{"Lutris", folders.configHome / "lutris", folders.dataHome / "lutris"},
                                   Flavour{"Lutris (Flatpak)", flatpak / "config/lutris", flatpak / "data/lutris"}}) {
        for (const fs::path& game : filesEndingIn(flavour.config / "games", ".yml")) {
            const std::string prefix = settingIn(game, "prefix", "game");
            if (prefix.empty())
                continue;
            // Lutris names the file <game-slug>-<number>.yml.
            std::string slug = game.stem().string();
            if (const size_t dash = slug.rfind('-');
                dash != std::string::npos && slug.find_first_not_of("0123456789", dash + 1) == std::string::npos)
                slug.resize(dash);
            const std::string version = settingIn(game, "version", "wine");
            out.push_back({.folder = expandHome(prefix, folders.home),
                           .launcher = flavour.launcher,
                           .gameName = slug,
                           .wine = version.empty()
                                       ? fs::path()
                                       : existingWine(flavour.data / "runners/wine" / version / "bin/wine")});
        }
    }
    // Lutris's default place for the prefixes it makes.
    for (const fs::path& folder : subfolders(folders.home / "Games"))
        out.push_back({.folder = folder, .launcher = "Lutris", .gameName = folder.filename().string()});
}

void bottles(const HomeFolders& folders, std::vector<GamePrefix>& out)
{
    const fs::path flatpak = folders.home / ".var/app/com.usebottles.bottles/data/bottles";
    for (const Flavour& flavour :
         {Flavour{"Bottles", {}, folders.dataHome / "bottles"}, Flavour{"Bottles (Flatpak)", {}, flatpak}}) {
        for (const fs::path& bottle : subfolders(flavour.data / "bottles")) {
            std::string name = settingIn(bottle / "bottle.yml", "Name");
            const std::string runner = settingIn(bottle / "bottle.yml", "Runner");
            out.push_back(
                {.folder = bottle,
                 .launcher = flavour.launcher,
                 .gameName = name.empty() ? bottle.filename().string() : name,
                 .wine = runner.empty() ? fs::path() : existingWine(flavour.data / "runners" / runner / "bin/wine")});
        }
    }
}

void playOnLinux(const HomeFolders& folders, std::vector<GamePrefix>& out)
{
    const fs::path root = folders.home / ".PlayOnLinux";
    for (const fs::path& prefix : subfolders(root / "wineprefix")) {
        const std::string version = settingIn(prefix / "playonlinux.cfg", "VERSION", {}, '=');
        const std::string arch = settingIn(prefix / "playonlinux.cfg", "ARCH", {}, '=');
        out.push_back({.folder = prefix,
                       .launcher = "PlayOnLinux",
                       .gameName = prefix.filename().string(),
                       .wine = version.empty()
                                   ? fs::path()
                                   : existingWine(root / "wine" / ("linux-" + (arch.empty() ? "x86" : arch)) / version /
                                                  "bin/wine")});
    }
}

// The values of a key in Valve's KeyValues text: lines of "key" "value",
// with backslashes escaping the next character.
std::vector<std::string> vdfValues(const fs::path& file, std::string_view key)
{
    std::vector<std::string> values;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        std::vector<std::string> quoted;
        for (size_t at = line.find('"'); at != std::string::npos && quoted.size() < 2; at = line.find('"', at + 1)) {
            std::string token;
            for (++at; at < line.size() && line[at] != '"'; ++at)
                token += line[at] == '\\' && at + 1 < line.size() ? line[++at] : line[at];
            quoted.push_back(std::move(token));
        }
        if (quoted.size() == 2 && quoted[0] == key)
            values.push_back(std::move(quoted[1]));
    }
    return values;
}

std::vector<fs::path> steamLibraries(const fs::path& steam)
{
    std::vector<fs::path> libraries{steam};
    for (const std::string& path : vdfValues(steam / "steamapps/libraryfolders.vdf", "path"))
        libraries.emplace_back(path);
    return libraries;
}

// Proton records the folder of its fonts in config_info; its Wine is beside.
fs::path protonWine(const fs::path& compatdata)
{
    std::ifstream in(compatdata / "config_info");
    std::string version, fonts;
    std::getline(in, version);
    std::getline(in, fonts);
    fs::path folder = trimmed(fonts);
    while (!folder.empty() && folder.filename() != "files" && folder.filename() != "dist" &&
           folder != folder.parent_path())
        folder = folder.parent_path();
    return folder.empty() || folder == folder.parent_path() ? fs::path() : existingWine(folder / "bin/wine");
}

void steam(const HomeFolders& folders, std::vector<GamePrefix>& out)
{
    const fs::path flatpak = folders.home / ".var/app/com.valvesoftware.Steam";
    const std::pair<std::string, fs::path> roots[] = {
        {"Steam", folders.home / ".steam/steam"},
        {"Steam", folders.dataHome / "Steam"},
        {"Steam (Flatpak)", flatpak / ".local/share/Steam"},
        {"Steam (Flatpak)", flatpak / "data/Steam"},
    };
    for (const auto& [launcher, root] : roots) {
        for (const fs::path& library : steamLibraries(root)) {
            for (const fs::path& compatdata : subfolders(library / "steamapps/compatdata")) {
                const std::string appid = compatdata.filename().string();
                const auto names = vdfValues(library / "steamapps" / ("appmanifest_" + appid + ".acf"), "name");
                out.push_back({.folder = compatdata / "pfx",
                               .launcher = launcher,
                               .gameName = names.empty() ? "app " + appid : names.front(),
                               .wine = protonWine(compatdata)});
            }
        }
    }
}

} // namespace

std::vector<GamePrefix> launcherPrefixes(const HomeFolders& folders)
{
    std::vector<GamePrefix> all;
    lutris(folders, all);
    bottles(folders, all);
    playOnLinux(folders, all);
    steam(folders, all);
    // The same prefix reached twice (~/.steam/steam is a link to Steam's
    // folder; a Lutris game's prefix lies under ~/Games) is listed once,
    // as the first place found it.
    std::vector<GamePrefix> unique;
    std::set<fs::path> seen;
    for (GamePrefix& prefix : all) {
        std::error_code error;
        const fs::path real = fs::weakly_canonical(prefix.folder, error);
        if (!error && seen.insert(real).second)
            unique.push_back(std::move(prefix));
    }
    return unique;
}

} // namespace orvane
