// libFuzzer target for the user.reg reader and writer. Whatever it accepts
// it must give back byte for byte, every value it reads must survive
// being written back and read again, any text the writer writes, the
// reader reads back the same, and a file read for one tree only reads the
// same and keeps every byte outside that tree, also when only that tree's
// blocks are taken as the file streams past.
#include "registry/RegistryErrors.h"
#include "registry/KeyPaths.h"
#include "files/TextEncoding.h"
#include "wine/WineRegExcerpt.h"
#include "wine/WineRegFile.h"
#include "wine/WineRegLexer.h"
#include "wine/WineValueCodec.h"

#include <cstdlib>
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

// The key paths of the text's key lines, as the reader names them.
std::vector<std::string> keyPaths(std::string_view text)
{
    std::vector<std::string> paths;
    size_t at = 0;
    while (at < text.size()) {
        WineRegCursor cursor(text, at, 1);
        cursor.skipBlanks();
        if (cursor.peek() == '[') {
            cursor.advance(1);
            std::u16string path;
            try {
                cursor.escapedText(']', &path);
                paths.push_back(normalizeKeyPath(utf16ToUtf8(path)));
            } catch (const WineRegParseFailure&) {
            }
        }
        const size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            break;
        at = end + 1;
    }
    return paths;
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
    for (const std::string& path : paths)
        for (const std::string& name : whole.valueNames(path))
            check(file.queryValue(path, name) == whole.queryValue(path, name));
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
    // A last kept line that ends in a backslash looks cut off, though another
    // program's key follows it in the file: the store then reads the file whole.
    const bool endsLikeCutOff = excerpt && excerpt->find_last_not_of("\r\n") != std::string::npos &&
                                (*excerpt)[excerpt->find_last_not_of("\r\n")] == '\\';
    std::optional<WineRegFile> part;
    try {
        if (excerpt)
            part = WineRegFile::parse(FileText(std::move(*excerpt)), "user.reg", Own);
    } catch (const RegistryStoreError&) {
    }
    check(whole.has_value() == part.has_value() || (whole && endsLikeCutOff));
    if (!whole || !part)
        return;
    for (const std::string& path : keyPaths(input)) {
        const std::string folded = foldCase(path);
        if (folded != "software\\orvane" && !folded.starts_with("software\\orvane\\"))
            continue;
        check(part->keyExists(path));
        const std::vector<std::string> names = whole->valueNames(path);
        check(part->valueNames(path) == names);
        for (const std::string& name : names)
            check(part->queryValue(path, name) == whole->queryValue(path, name));
    }
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
    for (const std::string& path : paths) {
        check(file->keyExists(path));
        for (const std::string& name : file->valueNames(path)) {
            const std::optional<RegValue> value = file->queryValue(path, name);
            check(value.has_value());
            file->setValue(path, name, *value);
            check(file->queryValue(path, name) == value);
        }
    }
    const std::string written = file->serialize();
    const WineRegFile again = WineRegFile::parse(written, "user.reg");
    // What was saved becomes the file's own text, as after a save.
    WineRegFile rebased = WineRegFile::parse(input, "user.reg");
    for (const std::string& path : paths)
        for (const std::string& name : file->valueNames(path))
            rebased.setValue(path, name, *file->queryValue(path, name));
    rebased.rebase(rebased.serializedText());
    check(rebased.matchesText() && rebased.serialize() == written);
    for (const std::string& path : paths)
        for (const std::string& name : file->valueNames(path)) {
            check(again.queryValue(path, name) == file->queryValue(path, name));
            check(rebased.queryValue(path, name) == file->queryValue(path, name));
        }
    return 0;
}
