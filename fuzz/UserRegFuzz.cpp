// libFuzzer target for the user.reg reader and writer. Whatever it accepts
// it must give back byte for byte; after a write, a second read finds the
// value written and every other value as it was; any text the writer
// writes, the reader reads back the same; and a file read for one tree only
// reads the same and keeps every byte outside that tree, also when only
// that tree's blocks are taken as the file streams past.
#include "registry/RegistryErrors.h"
#include "files/TextEncoding.h"
#include "wine/WineRegExcerpt.h"
#include "wine/WineRegFile.h"
#include "wine/WineRegLexer.h"
#include "wine/WineRegLines.h"
#include "wine/WineValueCodec.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <span>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace orvane;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// The paths of every line that looks like a key line, as Wine would name
// it: more than the file's keys, as a continued value's line is no key.
std::vector<std::string> keyPaths(std::string_view text)
{
    std::vector<std::string> paths;
    std::string folded;
    for (size_t at = 0; at < text.size();) {
        const WineLine line = wineLineAt(text, at);
        const std::string_view content = text.substr(at, line.contentEnd - at);
        const size_t bracket = skipWineBlanks(content, 0);
        if (bracket < content.size() && content[bracket] == '[' &&
            readWineKeyPath(content, bracket, folded) == WineKeyPath::Opened)
            paths.push_back(folded);
        at = line.next;
    }
    std::sort(paths.begin(), paths.end());
    paths.erase(std::unique(paths.begin(), paths.end()), paths.end());
    return paths;
}

// What a file reads for the paths: whether each key exists, and each
// value by its folded name.
struct Reading {
    std::map<std::string, bool> exists;
    std::map<std::string, std::map<std::string, std::optional<RegValue>>> values;
    bool operator==(const Reading&) const = default;
};

Reading readingOf(const WineRegFile& file, const std::vector<std::string>& paths)
{
    Reading reading;
    for (const std::string& path : paths) {
        reading.exists[path] = file.keyExists(path);
        for (const std::string& name : file.valueNames(path))
            reading.values[path][foldCase(name)] = file.queryValue(path, name);
    }
    return reading;
}

// One value written: in memory and once the written text is read again,
// the value reads as written and every other as before.
void checkWrite(const std::string& input, std::vector<std::string> paths, const std::string& path,
                const std::string& name, const RegValue& value)
{
    paths.push_back(path);
    WineRegFile file = WineRegFile::parse(input, "user.reg");
    Reading expected = readingOf(file, paths);
    // The key written exists, and so do the keys above it.
    const std::string written = foldCase(path);
    for (auto& [other, exists] : expected.exists)
        exists = exists || other.empty() || written == foldCase(other) || written.starts_with(foldCase(other) + '\\');
    expected.values[path][foldCase(name)] = value;
    file.setValue(path, name, value);
    check(readingOf(file, paths) == expected);
    check(readingOf(WineRegFile::parse(file.serialize(), "user.reg"), paths) == expected);
}

// The input's bytes in pairs as a text value, written and read back.
void checkTextRoundTrip(const uint8_t* data, size_t size)
{
    std::u16string text;
    for (size_t i = 0; i + 1 < size; i += 2)
        text.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));
    const RegValue value{REG_SZ_TYPE, utf16leBytes(text + u'\0')};
    const std::string written = "WINE REGISTRY Version 2\n\n[K] 1\n" + formatWineValue("v", value);
    check(WineRegFile::parse(written, "user.reg").queryValue("K", "v") == value);
}

// Read for one tree only, the file reads as the whole one does, and a
// write there changes no byte outside it.
void checkOneTreeRead(const std::string& input, const WineRegFile& whole, const std::vector<std::string>& paths)
{
    constexpr std::string_view Own[] = {"Software\\Orvane"};
    WineRegFile file = WineRegFile::parse(FileText(input), "user.reg", Own);
    check(file.serialize() == input);
    check(readingOf(file, paths) == readingOf(whole, paths));
    WineRegFile untouched = WineRegFile::parse(FileText(input), "user.reg", Own);
    if (untouched.keyExists(Own[0]))
        return;
    untouched.setValue("Software\\Orvane\\BnetUsers", "BnetName0", RegValue{REG_SZ_TYPE, {'a', 0, 0, 0}});
    check(untouched.serialize().starts_with(input));
}

// Streamed through a buffer of a size the input picks, the tree's blocks
// read as in the whole file, and the stream refuses what the whole file does.
void checkTreesExcerpt(const std::string& input)
{
    constexpr std::string_view Own[] = {"Software\\Orvane"};
    std::optional<WineRegFile> whole;
    try {
        whole = WineRegFile::parse(FileText(input), "user.reg", Own);
    } catch (const RegistryStoreError&) {
    }
    const int fd = ::memfd_create("user.reg", 0);
    check(fd >= 0 && ::write(fd, input.data(), input.size()) == static_cast<ssize_t>(input.size()));
    check(::lseek(fd, 0, SEEK_SET) == 0);
    std::optional<std::string> excerpt = treesExcerpt(fd, input.size(), Own, 1 + input.size() % 61);
    ::close(fd);
    std::optional<WineRegFile> part;
    try {
        if (excerpt)
            part = WineRegFile::parse(FileText(std::move(*excerpt)), "user.reg", Own);
    } catch (const RegistryStoreError&) {
    }
    check(whole.has_value() == part.has_value());
    if (!whole)
        return;
    std::vector<std::string> paths;
    for (const std::string& path : keyPaths(input))
        if (path == "software\\orvane" || path.starts_with("software\\orvane\\"))
            paths.push_back(path);
    check(readingOf(*part, paths) == readingOf(*whole, paths));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    checkTextRoundTrip(data, size);
    const std::string input(reinterpret_cast<const char*>(data), size);
    checkTreesExcerpt(input);
    std::optional<WineRegFile> file;
    try {
        file = WineRegFile::parse(input, "user.reg");
    } catch (const RegistryStoreError&) {
        return 0;
    }
    check(file->serialize() == input);
    check(file->matchesText());

    const std::vector<std::string> paths = keyPaths(input);
    checkOneTreeRead(input, *file, paths);
    const RegValue written{REG_DWORD_TYPE, {uint8_t(size), uint8_t(size >> 8), 0x5a, 0xa5}};
    // A few keys are enough: each write reads the file twice more.
    for (const std::string& path : std::span(paths).first(std::min<size_t>(paths.size(), 8))) {
        const std::vector<std::string> names = file->valueNames(path);
        if (!names.empty())
            checkWrite(input, paths, path, names.back(), written);
        checkWrite(input, paths, path, "orvane fuzz", written);
    }
    checkWrite(input, paths, "Software\\Orvane\\Fuzz", "v", written);

    // What was saved becomes the file's own text, as after a save.
    WineRegFile rebased = WineRegFile::parse(input, "user.reg");
    for (const std::string& path : paths)
        if (rebased.keyExists(path))
            rebased.setValue(path, "orvane fuzz", written);
    const std::string saved = rebased.serialize();
    const Reading before = readingOf(rebased, paths);
    rebased.rebase(rebased.serializedText());
    check(rebased.matchesText() && rebased.serialize() == saved);
    check(readingOf(rebased, paths) == before);
    return 0;
}
