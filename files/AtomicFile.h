#pragma once
// Replaces a file so that a crash or a full disk leaves either the old or
// the new content, never a truncated file.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <stdexcept>
#include <system_error>
#include <string_view>
#include <sys/stat.h>

namespace orvane {

// Thrown when the check made just before the replacement says the file
// changed meanwhile; the file is then untouched.
struct FileChangedMeanwhile : std::runtime_error {
    FileChangedMeanwhile() : std::runtime_error("the file changed while it was being saved") {}
};

// Thrown when the new content is in place but the folder holding it could
// not be flushed, so that a crash may still bring the old file back.
struct FolderNotFlushed : std::system_error {
    using std::system_error::system_error;
};

// Given the file that the replacement displaces (nullptr when there is
// none): whether it is still the file the content was made from. Its
// change time may have moved with the replacement itself. Called between
// two system calls, so it must not allocate or block.
using StillCurrent = std::function<bool(const struct stat* onDisk)>;

// Writes the new content beside target and flushes it to disk, then runs
// stillCurrent (when given) and at once replaces target. A symbolic link
// keeps pointing at the replaced file; a file with several hard links is
// written in place, from a copy kept on disk until it is complete (see
// finishInterruptedReplace), so that every link sees the new content.
// Returns what the descriptor that wrote the file says of it, so that a
// file another program put in its place since is never taken for it.
// Throws std::system_error naming the step that failed; target is then unchanged.
struct stat replaceFileAtomically(const std::filesystem::path& target, std::string_view content,
                                  const StillCurrent& stillCurrent = {});

// A replacement that was killed leaves its temporary file beside the file
// it replaces; this clears them away. Only these names are touched.
void removeStaleTemporaries(const std::filesystem::path& target);

// The file a chain of symbolic links ends at; the path itself otherwise.
// Links that loop throw std::system_error with ELOOP.
std::filesystem::path linkTarget(std::filesystem::path path);

enum class InterruptedReplace {
    None,      // nothing was left to finish
    Completed, // the new content is in place
    Discarded, // the file was replaced by another since: its content stays, the journal is gone
};

// Completes an in-place replacement that a crash interrupted, onto the very
// file it was made for. Call it before reading a file that
// replaceFileAtomically writes.
InterruptedReplace finishInterruptedReplace(const std::filesystem::path& target);

// What finishInterruptedReplace would leave in target, found without
// writing anything: the new content of an interrupted in-place replacement
// made for the very file now in target's place. nullopt when there is
// none, and the file stands as it is.
std::optional<std::string> contentAfterInterruptedReplace(const std::filesystem::path& target);

} // namespace orvane
