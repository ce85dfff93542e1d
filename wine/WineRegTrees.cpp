#include "wine/WineRegTrees.h"

#include "files/TextEncoding.h"
#include "wine/WineValueCodec.h"

#include <algorithm>

namespace orvane {

std::vector<std::string> escapedTreePaths(std::span<const std::string_view> trees)
{
    std::vector<std::string> escaped;
    for (const std::string_view tree : trees)
        escaped.push_back(formatWineKeyPath(foldCase(normalizeKeyPath(tree))));
    return escaped;
}

size_t keyLineStartAt(std::string_view text, size_t from, size_t at)
{
    size_t lineStart = at;
    while (lineStart > from && (text[lineStart - 1] == ' ' || text[lineStart - 1] == '\t'))
        --lineStart;
    return lineStart == from || text[lineStart - 1] == '\n' ? lineStart : std::string_view::npos;
}

bool startsKeyLine(std::string_view text, size_t at)
{
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    return at < text.size() && text[at] == '[';
}

bool namesTree(std::string_view text, size_t at, const std::vector<std::string>& escapedTrees)
{
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    const std::string_view rest = text.substr(at + 1);
    return std::any_of(escapedTrees.begin(), escapedTrees.end(), [rest](const std::string& tree) {
        if (rest.size() <= tree.size() || (rest[tree.size()] != ']' && rest[tree.size()] != '\\'))
            return false;
        return std::equal(tree.begin(), tree.end(), rest.begin(), [](char a, char b) { return a == asciiLower(b); });
    });
}

} // namespace orvane
