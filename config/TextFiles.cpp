#include "config/TextFiles.h"

#include "files/Utf8Paths.h"
#include "files/AtomicFile.h"
#include "files/Errors.h"
#include "files/TextEncoding.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <new>
#include <system_error>
#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace orvane {
namespace {

// Windows-1252 at 0x80..0x9F; the rest of the upper half is Latin-1.
constexpr std::array<char16_t, 32> Windows1252High{0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                   0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Invalid sequences decode to U+FFFD and so do not come back as they were.
bool isUtf8(std::string_view bytes)
{
    return utf16ToUtf8(utf8ToUtf16(bytes)) == bytes;
}

std::string fromWindows1252(std::string_view bytes)
{
    std::u16string units;
    units.reserve(bytes.size());
    for (unsigned char c : bytes)
        units.push_back(c >= 0x80 && c < 0xA0 ? Windows1252High[c - 0x80] : c);
    return utf16ToUtf8(units);
}

std::string fromUtf16(std::string_view bytes, bool bigEndian)
{
    std::u16string units;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        units.push_back(static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first));
    }
    return utf16ToUtf8(units);
}

bool isUtf16(std::string_view bytes)
{
    return bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
}

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";

// nullopt when a character has no Windows-1252 byte.
std::optional<std::string> toWindows1252(std::string_view text)
{
    std::string bytes;
    for (char16_t unit : utf8ToUtf16(text)) {
        if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
            bytes.push_back(static_cast<char>(unit));
            continue;
        }
        const auto high = std::find(Windows1252High.begin(), Windows1252High.end(), unit);
        if (high == Windows1252High.end())
            return std::nullopt;
        bytes.push_back(static_cast<char>(0x80 + (high - Windows1252High.begin())));
    }
    return bytes;
}

std::string toUtf16(std::string_view text, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : utf8ToUtf16(text)) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

} // namespace

DecodedText decodeText(std::string_view bytes)
{
    if (isUtf16(bytes)) {
        const bool bigEndian = bytes.starts_with("\xFE\xFF");
        return {fromUtf16(bytes.substr(2), bigEndian),
                {bigEndian ? Charset::Utf16BigEndian : Charset::Utf16LittleEndian, true}};
    }
    const bool mark = bytes.starts_with(Utf8Mark);
    if (mark)
        bytes.remove_prefix(Utf8Mark.size());
    if (isUtf8(bytes))
        return {std::string(bytes), {Charset::Utf8, mark}};
    return {fromWindows1252(bytes), {Charset::Windows1252, mark}};
}

std::string encodeText(std::string_view text, const FileEncoding& encoding)
{
    const std::string mark = encoding.byteOrderMark ? std::string(Utf8Mark) : std::string();
    switch (encoding.charset) {
    case Charset::Utf8: return mark + std::string(text);
    case Charset::Windows1252:
        // Bytes that would read back as UTF-8 would change the text's meaning.
        if (const auto bytes = toWindows1252(text); bytes && (*bytes == text || !isUtf8(*bytes)))
            return mark + *bytes;
        return std::string(Utf8Mark) + std::string(text);
    case Charset::Utf16LittleEndian:
    case Charset::Utf16BigEndian: return toUtf16(text, encoding.charset == Charset::Utf16BigEndian);
    }
    return std::string(text);
}

namespace {

std::string kindOf(const std::filesystem::file_status& status)
{
    switch (status.type()) {
    case std::filesystem::file_type::directory: return "a folder";
    case std::filesystem::file_type::fifo: return "a named pipe";
    case std::filesystem::file_type::socket: return "a socket";
    case std::filesystem::file_type::block:
    case std::filesystem::file_type::character: return "a device";
    default: return "something else";
    }
}

// A file nobody may write, or this user may not: a save would replace it
// all the same, as the folder allows, so it is refused as a file dialog does.
bool isReadOnly(const std::filesystem::path& file)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (error || !std::filesystem::exists(status))
        return false;
    using std::filesystem::perms;
    if ((status.permissions() & (perms::owner_write | perms::group_write | perms::others_write)) == perms::none)
        return true;
#ifndef _WIN32
    return ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0;
#else
    return false;
#endif
}

} // namespace

bool looksLikeText(std::string_view bytes)
{
    if (isUtf16(bytes))
        return true;
    if (bytes.find('\0') != std::string_view::npos)
        return false;
    const auto control = [](unsigned char c) { return c < 32 && c != '\t'; };
    for (size_t at = 0; at < bytes.size();) {
        const size_t end = std::min(bytes.find_first_of("\r\n", at), bytes.size());
        // Reading trims a line's ends, control characters with the blanks.
        std::string_view line = bytes.substr(at, end - at);
        line = trimmed(line);
        if (std::any_of(line.begin(), line.end(), control))
            return false;
        at = end + 1;
    }
    return true;
}

namespace {

std::optional<std::string> readBytes(const std::filesystem::path& file)
{
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return std::nullopt;
    try {
        // Reading writes nothing, so that a read-only folder reads too: the next write finishes the save.
        if (std::optional<std::string> unfinished = contentAfterInterruptedReplace(file))
            return unfinished;
    } catch (const std::system_error& failure) {
        throw cannotOpen(file, failure.what());
    }
    // Checked before opening: a named pipe would wait forever for a writer.
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (!std::filesystem::is_regular_file(status))
        throw cannotOpen(file, error ? error.message() : "it is " + kindOf(status) + ", not a file");
    std::ifstream in(file, std::ios::binary);
    std::string bytes;
    if (in) {
        const auto size = std::filesystem::file_size(file, error);
        bytes.resize(error ? 0 : static_cast<size_t>(size));
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!error && in.gcount() == static_cast<std::streamsize>(bytes.size()))
            return bytes;
    }
    throw cannotOpen(file, error ? error.message() : "it could not be read to its end");
}

} // namespace

std::optional<std::string> readTextFile(const std::filesystem::path& file)
{
    try {
        return readBytes(file);
    } catch (const std::bad_alloc&) {
        throw tooLargeForMemory(file);
    }
}

void writeTextFile(const std::filesystem::path& file, std::string_view content)
{
    if (isReadOnly(file))
        throw FileError(MessageText{messages::FileCreateFailed, {displayPath(file)}}, "it is read-only");
    try {
        // What a save that was cut off left is settled first, so that it never outlives this one.
        finishInterruptedReplace(file);
        replaceFileAtomically(file, content);
    } catch (const std::system_error& failure) {
        throw FileError(MessageText{messages::FileCreateFailed, {displayPath(file)}}, failure.what());
    }
}

FileError cannotOpen(const std::filesystem::path& file, const std::string& reason)
{
    return FileError(MessageText{messages::FileOpenFailed, {displayPath(file)}}, reason);
}

FileError tooLargeForMemory(const std::filesystem::path& file)
{
    std::error_code unknown;
    const uintmax_t size = std::filesystem::file_size(file, unknown);
    return FileError("Orvane cannot read the file " + displayPath(file) + ": " +
                     (unknown ? std::string("it does") : "its " + std::to_string(size) + " bytes do") +
                     " not fit in the memory left. Close other programs to free memory and try again, or replace the "
                     "file with a smaller copy");
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 32)
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32)
        text.remove_suffix(1);
    return text;
}

} // namespace orvane
