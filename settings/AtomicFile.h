#pragma once
// Replaces a file so that a crash or a full disk leaves either the old or
// the new content, never a truncated file.
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <system_error>
#include <string_view>

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

// Writes the new content beside target and flushes it to disk, then runs
// stillCurrent (when given) and replaces target. A symbolic link keeps
// pointing at the replaced file; a file with several hard links is written
// in place, from a copy kept on disk until it is complete (see
// finishInterruptedReplace), so that every link sees the new content.
// Throws std::system_error naming the step that failed; target is then unchanged.
void replaceFileAtomically(const std::filesystem::path& target, std::string_view content,
                           const std::function<bool()>& stillCurrent = {});

// The file a chain of symbolic links ends at; the path itself otherwise.
// Links that loop throw std::system_error with ELOOP.
std::filesystem::path linkTarget(std::filesystem::path path);

// Completes an in-place replacement that a crash interrupted. Call it
// before reading a file that replaceFileAtomically writes.
void finishInterruptedReplace(const std::filesystem::path& target);

} // namespace orvane
