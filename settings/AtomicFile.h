#pragma once
// Replaces a file so that a crash or a full disk leaves either the old or
// the new content, never a truncated file.
#include <filesystem>
#include <string_view>

namespace orvane {

// Writes a temporary file beside target, flushes it to disk, gives it the
// old file's permissions and renames it over target. Throws
// std::system_error naming the step that failed; target is then unchanged.
void replaceFileAtomically(const std::filesystem::path& target, std::string_view content);

} // namespace orvane
