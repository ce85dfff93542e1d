#pragma once
// Users' text files: read as the program's UTF-8 text whatever they were
// written in, replaced atomically, named in the file layer's errors.
#include "files/Errors.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// How a file's bytes stand for its text.
enum class Charset { Utf8, Windows1252, Utf16LittleEndian, Utf16BigEndian };
struct FileEncoding {
    Charset charset = Charset::Utf8;
    bool byteOrderMark = false; // UTF-16's own, or UTF-8's before any other charset
    bool operator==(const FileEncoding&) const = default;
};

struct DecodedText {
    std::string text; // UTF-8
    FileEncoding encoding;
};

// One encoding for the whole file, chosen from all of its bytes: UTF-16
// with its byte order mark; UTF-8 where every byte after a UTF-8 byte order
// mark is valid UTF-8; else Windows-1252, as older files are, the mark kept.
DecodedText decodeText(std::string_view bytes);
// The text as the file held it, in the encoding it was read in. A text that
// Windows-1252 cannot hold, or whose Windows-1252 bytes would read back as
// other UTF-8 text, is written as UTF-8 with a byte order mark, so that
// nothing is lost and the next read knows it.
std::string encodeText(std::string_view text, const FileEncoding& encoding);

// Whether the bytes can be text at all: no NUL, and no control character
// but tabs inside a line; at a line's ends reading trims them (UTF-16 with
// its byte order mark counts as text).
bool looksLikeText(std::string_view bytes);

// The file's bytes; nullopt when it does not exist. A save of it that was
// cut off is read as it was to end, and left on disk for writeTextFile to
// finish. A file that cannot be read throws FileError "Datei %s kann nicht
// geöffnet werden".
std::optional<std::string> readTextFile(const std::filesystem::path& file);

// Replaces the file's content atomically. Throws FileError "Datei %s kann
// nicht erstellt werden", also for a read-only file; the file is then as it was.
void writeTextFile(const std::filesystem::path& file, std::string_view content);

// FileError "Datei %s kann nicht geöffnet werden", with the reason.
FileError cannotOpen(const std::filesystem::path& file, const std::string& reason);
// For a file that reading or parsing had no memory left for: its name, and
// what the player can do.
FileError tooLargeForMemory(const std::filesystem::path& file);

// The text without the blanks and control characters around it.
std::string_view trimmed(std::string_view text);

} // namespace orvane
