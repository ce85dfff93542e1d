#include "wine/WineRegExcerpt.h"

#include "wine/WineRegLexer.h"
#include "wine/WineRegLines.h"
#include "wine/WineRegTrees.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <limits>
#include <utility>
#include <unistd.h>
#include <vector>

namespace orvane {
namespace {

// Sorts the lines that stream past, as Wine's loader takes them, into the
// header and the trees' blocks, kept, and the rest, dropped. A block runs
// from its key line to the next key line.
class TreeBlockFilter {
public:
    explicit TreeBlockFilter(std::span<const std::string_view> trees)
        : trees_(foldedTreePaths(trees)),
          scanner_(2, trees_)
    {}

    // Takes the text, which begins where the last call left off, and returns
    // where its unfinished last line starts, to come again with the text
    // that follows it. Throws WineRegParseFailure as the scanner does.
    size_t take(std::string_view text, bool atEnd);
    bool continuing() { return scanner_.continuing(); }

    std::string excerpt;

private:
    std::vector<std::string> trees_;
    WineRegScanner scanner_;
    bool signature_ = true; // the first line, which is no line of the registry's
    bool keeping_ = true;   // the header, or a tree's block
};

size_t TreeBlockFilter::take(std::string_view text, bool atEnd)
{
    size_t at = 0;
    while (at < text.size()) {
        const WineLine line = wineLineAt(text, at);
        if (!atEnd && line.next == text.size() && text.back() != '\n')
            break;
        if (!std::exchange(signature_, false) &&
            scanner_.skim(text.substr(at, line.contentEnd - at)) == WineLineKind::Key) {
            const WineKeyPath& path = scanner_.key();
            keeping_ = path.status != WineKeyPath::Unclosed && inAnyTree(path.folded, trees_);
        }
        if (keeping_)
            excerpt.append(text, at, line.next - at);
        at = line.next;
    }
    return at;
}

} // namespace

std::optional<std::string> treesExcerpt(int fd, size_t size, std::span<const std::string_view> trees, size_t chunk)
{
    if (size > std::numeric_limits<uint32_t>::max())
        return std::nullopt;
    TreeBlockFilter filter(trees);
    std::vector<char> buffer(2 * chunk);
    size_t held = 0;
    size_t total = 0;
    char last = '\0';
    try {
        for (;;) {
            // Room for the next chunk: a line that stays unfinished this long is held whole.
            if (buffer.size() - held < chunk)
                buffer.resize(std::max(2 * buffer.size(), held + chunk));
            // A byte past the size tells a file that grows while it is read, however fast it grows.
            const ssize_t count = ::read(fd, buffer.data() + held, std::min(chunk, size + 1 - total));
            if (count < 0 && errno == EINTR)
                continue;
            if (count < 0)
                return std::nullopt;
            const std::string_view fresh(buffer.data() + held, static_cast<size_t>(count));
            if (std::memchr(fresh.data(), '\0', fresh.size()))
                return std::nullopt;
            total += fresh.size();
            if (total > size)
                return std::nullopt;
            if (!fresh.empty())
                last = fresh.back();
            const std::string_view text(buffer.data(), held + fresh.size());
            const size_t unfinished = filter.take(text, count == 0);
            held = text.size() - unfinished;
            std::memmove(buffer.data(), buffer.data() + unfinished, held);
            if (count == 0)
                break;
        }
    } catch (const WineRegParseFailure&) {
        return std::nullopt;
    }
    // Wine ends the file after a complete line: anything else was cut short.
    if (total != size || (total > 0 && (last != '\n' || filter.continuing())))
        return std::nullopt;
    return std::move(filter.excerpt);
}

} // namespace orvane
