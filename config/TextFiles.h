#pragma once
// Users' text files: read as the program's UTF-8 text whatever they were
// written in, replaced atomically, named in the file layer's errors.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// UTF-8 text from a file's bytes: UTF-8 (a byte order mark dropped), UTF-16
// with its byte order mark, or else Windows-1252, as older files are.
std::string textOfFile(std::string_view bytes);

// Whether the bytes can be text at all: no NUL and no control characters
// but tabs and line ends (UTF-16 with its byte order mark counts as text).
bool looksLikeText(std::string_view bytes);

// The file's bytes; nullopt when it does not exist. A file that cannot be
// read throws EFileError "Datei %s kann nicht geöffnet werden".
std::optional<std::string> readTextFile(const std::filesystem::path& file);

// Replaces the file's content atomically. Throws EFileError "Datei %s kann
// nicht erstellt werden"; the file is then as it was.
void writeTextFile(const std::filesystem::path& file, std::string_view content);


} // namespace orvane
