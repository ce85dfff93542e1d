#include "wine/WineRegExcerpt.h"

#include "wine/WineRegTrees.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <limits>
#include <unistd.h>
#include <vector>

namespace orvane {
namespace {

// Sorts the lines that stream past into the trees' blocks, kept, and the
// rest, dropped. A block runs from its key line to the next key line.
class TreeBlockFilter {
public:
    TreeBlockFilter(std::span<const std::string_view> trees) : trees_(escapedTreePaths(trees))
    {
        for (const std::string& tree : trees_)
            lookahead_ = std::max(lookahead_, tree.size() + 2); // '[' and what follows the path
    }

    // Takes the text, which begins where the last call left off, and returns
    // where its undecided end starts: a line that may yet turn out to be a
    // key line, to come again with the text that follows it.
    size_t take(std::string_view text, bool atEnd);

    std::string excerpt;

private:
    std::vector<std::string> trees_;
    size_t lookahead_ = 0;
    bool keeping_ = true;  // the header, or a tree's block
    bool midLine_ = false; // the text goes on with a line already told apart
};

size_t TreeBlockFilter::take(std::string_view text, bool atEnd)
{
    size_t from = 0;
    if (midLine_) {
        const size_t end = text.find('\n');
        if (end == std::string_view::npos) {
            if (keeping_)
                excerpt += text;
            return text.size();
        }
        from = end + 1;
        midLine_ = false;
    }
    size_t kept = 0;
    size_t undecided = text.size();
    bool heldKeyLine = false;
    for (size_t at = text.find('[', from); at != std::string_view::npos; at = text.find('[', at + 1)) {
        const size_t lineStart = keyLineStartAt(text, from, at);
        if (lineStart == std::string_view::npos)
            continue;
        if (!atEnd && text.size() - at < lookahead_) {
            undecided = lineStart;
            heldKeyLine = true;
            break;
        }
        if (keeping_)
            excerpt.append(text, kept, lineStart - kept);
        kept = lineStart;
        keeping_ = namesTree(text, lineStart, trees_);
    }
    if (!heldKeyLine) {
        // A last line without its end yet is still a possible key line while it is blank.
        const size_t lastEnd = text.rfind('\n');
        const size_t lastStart = lastEnd == std::string_view::npos ? from : lastEnd + 1;
        if (lastStart < text.size()) {
            if (!atEnd && text.find_first_not_of(" \t", lastStart) == std::string_view::npos)
                undecided = lastStart;
            else
                midLine_ = true;
        }
    }
    if (keeping_)
        excerpt.append(text, kept, undecided - kept);
    return undecided;
}

// Wine ends the file after a complete line: anything else was cut short.
bool endsCompletely(std::string_view tail)
{
    if (!tail.ends_with('\n'))
        return false;
    tail.remove_suffix(1);
    if (tail.ends_with('\r'))
        tail.remove_suffix(1);
    return !tail.ends_with('\\');
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
    std::string tail;
    for (;;) {
        // Room for the next chunk: a line that stays undecided this long is held whole.
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
        tail += fresh.substr(fresh.size() - std::min<size_t>(fresh.size(), 3));
        tail.erase(0, tail.size() - std::min<size_t>(tail.size(), 3));
        const std::string_view text(buffer.data(), held + fresh.size());
        const size_t undecided = filter.take(text, count == 0);
        held = text.size() - undecided;
        std::memmove(buffer.data(), buffer.data() + undecided, held);
        if (count == 0)
            break;
    }
    if (total != size || (total > 0 && !endsCompletely(tail)))
        return std::nullopt;
    return std::move(filter.excerpt);
}

} // namespace orvane
