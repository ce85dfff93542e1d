#pragma once
// The journal of an in-place write: the new content, headed by what
// identifies the file it is for as that file stood before the write (its
// device, inode, size, modification time, and a fingerprint of each 4 KiB
// block), so that a journal left by a crash is replayed only onto that very
// file, whatever the interrupted write had done to it by then.
#include <filesystem>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace orvane {

std::filesystem::path journalOf(const std::filesystem::path& target);

// The header line for target, which holds oldContent.
std::string journalHeader(const struct stat& target, std::string_view oldContent);

struct JournalReading {
    std::string_view content; // what the write was to leave
    // The file now at the target's place is the journal's, holding the old
    // content, the new, or the new written over part of the old.
    bool forThisFile = false;
};

// A journal without a header (written before headers were kept) is for
// any file in the target's place. A header that cannot be read throws
// std::system_error.
JournalReading readJournal(std::string_view journal, const struct stat& now, std::string_view current);

} // namespace orvane
