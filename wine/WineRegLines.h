#pragma once
// The lines of a Wine registry file as wineserver's loader takes them,
// one after the other: which are key lines and which key each opens,
// which are values, which continue a value's hex data, which are options
// and which it ignores.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The key a key line opens, as Wine creates it.
struct WineKeyPath {
    enum Status : uint8_t {
        Opened,      // its values go into the key
        Unclosed,    // no "]": Wine creates nothing and drops its values
        NameTooLong, // a name over 256 characters: Wine creates the keys above it and drops its values
    };
    Status status = Opened;
    // Normalized and folded: the key, or the keys above the long name. Empty for the root.
    std::string folded;
};

// Reads the key line `line` (its content) whose '[' stands at `at`: the
// path's escapes decoded, empty names between backslashes skipped, what
// follows the "]" ignored.
WineKeyPath::Status readWineKeyPath(std::string_view line, size_t at, std::string& folded);

enum class WineLineKind : uint8_t { Key, Value, Continued, Option, Ignored };

class WineRegScanner {
public:
    // A symbolic link on a tree, above one or below one would send Wine
    // elsewhere for the trees' keys: such a line is refused. Without trees
    // every key is read, and every link refused.
    explicit WineRegScanner(size_t firstLine, std::vector<std::string> foldedTrees = {})
        : trees_(std::move(foldedTrees)),
          line_(firstLine - 1)
    {}

    // The kind of the next line, given its content. Throws
    // WineRegParseFailure, with the line's number, for a line whose effect
    // on what Wine reads Orvane does not follow.
    WineLineKind take(std::string_view line);
    // As take, for a reading that needs the key lines and options alone:
    // a line that continues hex data and one that Wine ignores are both
    // Ignored, and the hex data is checked only where a later line's kind
    // depends on it. Most of a large registry is such data.
    WineLineKind skim(std::string_view line);

    // Of the last key line.
    const WineKeyPath& key() const { return key_; }
    // Whether a value line now gives the key a value.
    bool inKey() const { return inKey_; }
    // Whether the next line continues a value's hex data.
    bool continuing();
    size_t line() const { return line_; }

private:
    // Whether the lines skimmed since the data went on to them each go on too.
    void resolveSkimmed();
    void checkOption(std::string_view option);
    void checkKey();
    [[noreturn]] void fail(std::string what) const;

    std::vector<std::string> trees_;
    size_t line_;
    WineKeyPath key_;
    bool inKey_ = false;
    bool continuing_ = false;
    // Lines skimmed since the data went on to the first of them, all of which
    // end in a backslash: their contents, and the end of each.
    std::string skimmed_;
    std::vector<size_t> skimmedEnds_;
    std::string architecture_;
    std::vector<std::string> links_;
};

} // namespace orvane
