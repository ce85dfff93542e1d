#include "wine/WineRegLines.h"

#include "files/TextEncoding.h"
#include "registry/KeyPaths.h"
#include "wine/WineRegLexer.h"
#include "wine/WineRegTrees.h"
#include "wine/WineValueCodec.h"

#include <algorithm>
#include <optional>

namespace orvane {
namespace {

// Wine's limit on the length of a key's name, in UTF-16 units.
constexpr size_t LongestKeyName = 256;

// The names of a decoded path joined, empty ones skipped, up to a name
// over Wine's limit.
WineKeyPath::Status joinNames(std::u16string_view units, std::string& folded)
{
    std::u16string joined;
    WineKeyPath::Status status = WineKeyPath::Opened;
    for (size_t start = 0; start <= units.size();) {
        const size_t end = std::min(units.find(u'\\', start), units.size());
        const std::u16string_view name = units.substr(start, end - start);
        if (name.size() > LongestKeyName) {
            status = WineKeyPath::NameTooLong;
            break;
        }
        if (!name.empty())
            joined.append(joined.empty() ? u"" : u"\\").append(name);
        start = end + 1;
    }
    folded = foldCase(utf16ToUtf8(joined));
    return status;
}

// Most paths are ASCII whose only escapes are doubled backslashes: folded
// as they stand. Nothing for any other, which is decoded.
std::optional<WineKeyPath::Status> readPlainKeyPath(std::string_view line, size_t at, std::string& folded)
{
    folded.clear();
    size_t nameLength = 0;
    size_t nameStart = 0;
    bool tooLong = false;
    for (size_t pos = at + 1; pos < line.size(); ++pos) {
        const char c = line[pos];
        if (c == ']') {
            if (tooLong)
                folded.resize(nameStart);
            return tooLong ? WineKeyPath::NameTooLong : WineKeyPath::Opened;
        }
        if (static_cast<unsigned char>(c) >= 0x80 || (c == '\\' && (pos + 1 == line.size() || line[++pos] != '\\')))
            return std::nullopt;
        if (c == '\\') {
            nameLength = 0;
            continue;
        }
        if (tooLong)
            continue;
        if (nameLength == 0) {
            nameStart = folded.size();
            if (!folded.empty())
                folded += '\\';
        }
        folded += asciiLower(c);
        tooLong = ++nameLength > LongestKeyName;
    }
    folded.clear();
    return WineKeyPath::Unclosed;
}

} // namespace

WineKeyPath::Status readWineKeyPath(std::string_view line, size_t at, std::string& folded)
{
    if (const auto plain = readPlainKeyPath(line, at, folded))
        return *plain;
    std::u16string units;
    if (readWineText(line, at + 1, ']', &units).end == std::string_view::npos) {
        folded.clear();
        return WineKeyPath::Unclosed;
    }
    // A path that starts with a NUL character opens the root.
    if (!units.empty() && units[0] == 0)
        units.clear();
    return joinNames(units, folded);
}

WineLineKind WineRegScanner::take(std::string_view line)
{
    resolveSkimmed();
    ++line_;
    if (continuing_) {
        continuing_ = wineHexLineContinues(line);
        return WineLineKind::Continued;
    }
    const size_t at = skipWineBlanks(line, 0);
    switch (at < line.size() ? line[at] : '\0') {
    case '[':
        key_.status = readWineKeyPath(line, at, key_.folded);
        inKey_ = key_.status == WineKeyPath::Opened;
        checkKey();
        return WineLineKind::Key;
    case '"':
    case '@':
        // A value without a key is dropped, and takes no further lines.
        if (inKey_ && line.find('\\', at) != std::string_view::npos) {
            const size_t data = readWineValueName(line, at, nullptr);
            continuing_ = data != std::string_view::npos && wineValueContinues(line, data);
        }
        return WineLineKind::Value;
    case '#': checkOption(line.substr(at)); return WineLineKind::Option;
    default: return WineLineKind::Ignored;
    }
}

WineLineKind WineRegScanner::skim(std::string_view line)
{
    const size_t at = skipWineBlanks(line, 0);
    if (at < line.size() && (line[at] == '[' || line[at] == '"' || line[at] == '@' || line[at] == '#'))
        return take(line);
    ++line_;
    if (!continuing_ && skimmedEnds_.empty())
        return WineLineKind::Ignored;
    // Without a backslash the data ends here, if it reached this line at all.
    if (line.find('\\') == std::string_view::npos) {
        skimmed_.clear();
        skimmedEnds_.clear();
    } else {
        skimmed_.append(line);
        skimmedEnds_.push_back(skimmed_.size());
    }
    continuing_ = false;
    return WineLineKind::Ignored;
}

void WineRegScanner::resolveSkimmed()
{
    if (skimmedEnds_.empty())
        return;
    // The data reaches past them only if every one goes on; the last is the likeliest to end it.
    continuing_ = true;
    for (size_t i = skimmedEnds_.size(); continuing_ && i-- > 0;) {
        const size_t begin = i == 0 ? 0 : skimmedEnds_[i - 1];
        continuing_ = wineHexLineContinues(std::string_view(skimmed_).substr(begin, skimmedEnds_[i] - begin));
    }
    skimmed_.clear();
    skimmedEnds_.clear();
}

bool WineRegScanner::continuing()
{
    resolveSkimmed();
    return continuing_;
}

void WineRegScanner::checkOption(std::string_view option)
{
    if (inKey_) {
        if (!option.starts_with("#link"))
            return;
        if (trees_.empty() || touchesAnyTree(key_.folded, trees_))
            fail("a symbolic link (#link) on a key that Orvane reads, or above one, which would send Wine elsewhere "
                 "for that key's values");
        links_.push_back(key_.folded);
        return;
    }
    // Without a key, "#arch=" is the architecture of the whole prefix.
    if (!option.starts_with("#arch="))
        return;
    const std::string_view architecture = option.substr(6);
    if (architecture != "win32" && architecture != "win64")
        fail("an architecture that Wine does not know, at which Wine stops reading the file");
    if (!architecture_.empty() && architecture != architecture_)
        fail("a second architecture, unlike the first, at one of which Wine stops reading the file");
    architecture_ = architecture;
}

void WineRegScanner::checkKey()
{
    if (key_.status == WineKeyPath::Unclosed)
        return;
    for (const std::string& link : links_)
        if (link.empty() || isInTree(key_.folded, link))
            fail("a key at or below a symbolic link (#link) of an earlier line, which Wine follows elsewhere");
}

void WineRegScanner::fail(std::string what) const
{
    throw WineRegParseFailure{line_, std::move(what)};
}

} // namespace orvane
