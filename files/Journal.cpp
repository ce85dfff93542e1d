#include "files/Journal.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <vector>

namespace orvane {
namespace {

constexpr char Mark[] = "ORVANE-JOURNAL";
// An interrupted write stops at a page's edge; pages are whole blocks.
constexpr size_t BlockSize = 4096;

// FNV-1a over eight bytes at a time: a save of a large linked file pays
// for it once per block.
uint64_t fingerprint(std::string_view block)
{
    uint64_t hash = 14695981039346656037ull;
    size_t at = 0;
    for (; at + 8 <= block.size(); at += 8) {
        uint64_t word = 0;
        std::memcpy(&word, block.data() + at, 8);
        hash = (hash ^ word) * 1099511628211ull;
    }
    for (; at < block.size(); ++at)
        hash = (hash ^ static_cast<unsigned char>(block[at])) * 1099511628211ull;
    return hash;
}

struct Identity {
    uintmax_t device = 0;
    uintmax_t inode = 0;
    intmax_t size = 0;
    intmax_t seconds = 0;
    long nanoseconds = 0;
    std::vector<uint64_t> blocks; // none in the headers of earlier journals
};

Identity identityIn(std::string_view line)
{
    Identity identity;
    const std::string text(line);
    int used = 0;
    if (std::sscanf(text.c_str(), "ORVANE-JOURNAL %" SCNuMAX " %" SCNuMAX " %" SCNdMAX " %" SCNdMAX ".%ld%n",
                    &identity.device, &identity.inode, &identity.size, &identity.seconds, &identity.nanoseconds,
                    &used) != 5)
        throw std::system_error(EINVAL, std::generic_category(), "cannot read the journal's first line");
    for (size_t at = static_cast<size_t>(used); at + 17 <= text.size(); at += 17)
        identity.blocks.push_back(std::stoull(text.substr(at + 1, 16), nullptr, 16));
    return identity;
}

// Whether current is what the write left of the old file: the new content
// up to where it was cut off (at a page's edge, so at a block's), and the
// old file's blocks from there to the old file's end; or the new content
// whole, with the old file's tail where it was not yet cut.
bool leftByTheWrite(const Identity& old, std::string_view content, std::string_view current)
{
    size_t same = 0;
    while (same < current.size() && same < content.size() && current[same] == content[same])
        ++same;
    const size_t oldSize = static_cast<size_t>(old.size);
    const bool cutPastTheOldEnd = same == current.size() && current.size() > oldSize;
    if (current.size() != oldSize && !cutPastTheOldEnd && !(same == current.size() && same == content.size()))
        return false;
    // The block the new content ends in mixes new and old: only whole old blocks are checked.
    size_t block = same == content.size() ? (same + BlockSize - 1) / BlockSize : same / BlockSize;
    for (; block * BlockSize < current.size(); ++block) {
        const size_t at = block * BlockSize;
        if (block >= old.blocks.size() || fingerprint(current.substr(at, BlockSize)) != old.blocks[block])
            return false;
    }
    return true;
}

} // namespace

std::filesystem::path journalOf(const std::filesystem::path& target)
{
    return target.string() + ".orvane-journal";
}

std::string journalHeader(const struct stat& target, std::string_view oldContent)
{
    char identity[160];
    std::snprintf(identity, sizeof identity, "%s %" PRIuMAX " %" PRIuMAX " %" PRIdMAX " %" PRIdMAX ".%09ld", Mark,
                  static_cast<uintmax_t>(target.st_dev), static_cast<uintmax_t>(target.st_ino),
                  static_cast<intmax_t>(target.st_size), static_cast<intmax_t>(target.st_mtim.tv_sec),
                  target.st_mtim.tv_nsec);
    std::string header = identity;
    for (size_t at = 0; at < oldContent.size(); at += BlockSize) {
        char block[20];
        std::snprintf(block, sizeof block, " %016" PRIx64, fingerprint(oldContent.substr(at, BlockSize)));
        header += block;
    }
    return header + "\n";
}

JournalReading readJournal(std::string_view journal, const struct stat& now, std::string_view current)
{
    if (!journal.starts_with(Mark))
        return {journal, true};
    const size_t end = journal.find('\n');
    if (end == std::string_view::npos)
        throw std::system_error(EINVAL, std::generic_category(), "cannot read the journal's first line");
    const Identity old = identityIn(journal.substr(0, end));
    const std::string_view content = journal.substr(end + 1);
    if (old.device != static_cast<uintmax_t>(now.st_dev) || old.inode != static_cast<uintmax_t>(now.st_ino))
        return {content, false};
    const bool untouched = old.size == static_cast<intmax_t>(now.st_size) && old.seconds == now.st_mtim.tv_sec &&
                           old.nanoseconds == now.st_mtim.tv_nsec;
    // Earlier journals know no blocks: the file is theirs by its inode alone.
    return {content, untouched || old.blocks.empty() || leftByTheWrite(old, content, current)};
}

} // namespace orvane
