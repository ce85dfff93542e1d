#include "language/PoCatalogue.h"

#include <optional>

namespace orvane {
namespace {

constexpr char ContextEnd = '\x04';

struct Entry {
    bool fuzzy = false;
    std::optional<std::string> context;
    std::optional<std::string> english;
    std::optional<std::string> translation;
};

class Parser {
public:
    Parser(std::string_view text, std::string_view name) : text_(text), name_(name) {}

    std::map<std::string, std::string, std::less<>> translations()
    {
        for (size_t at = 0; at < text_.size(); ++lineNumber_) {
            size_t end = text_.find('\n', at);
            end = end == std::string_view::npos ? text_.size() : end;
            std::string_view line = text_.substr(at, end - at);
            at = end + 1;
            if (line.ends_with('\r'))
                line.remove_suffix(1);
            readLine(trimmed(line));
        }
        finishEntry();
        return std::move(translations_);
    }

private:
    static std::string_view trimmed(std::string_view line)
    {
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos)
            return {};
        return line.substr(first, line.find_last_not_of(" \t") + 1 - first);
    }

    [[noreturn]] void fail(const std::string& what, size_t line = 0) const
    {
        throw CatalogueError(std::string(name_) + ":" + std::to_string(line ? line : lineNumber_) + ": " + what);
    }

    void readLine(std::string_view line)
    {
        if (line.empty())
            return;
        if (line.starts_with('#')) {
            if (line.starts_with("#,") && line.find("fuzzy") != std::string_view::npos) {
                finishEntryIfComplete();
                entry_.fuzzy = true;
            }
            return; // comments, references and obsolete entries (#~)
        }
        if (line.starts_with('"')) {
            if (!field_)
                fail("a string that continues no msgid, msgctxt or msgstr");
            *field_ += quoted(line);
            return;
        }
        const size_t space = line.find_first_of(" \t");
        const std::string_view keyword = line.substr(0, space);
        const std::string_view rest = space == std::string_view::npos ? "" : trimmed(line.substr(space));
        if (keyword == "msgctxt" || keyword == "msgid") {
            finishEntryIfComplete();
            std::optional<std::string>& slot = keyword == "msgctxt" ? entry_.context : entry_.english;
            if (slot)
                fail("a second " + std::string(keyword) + " in one entry");
            if (!entry_.context && !entry_.english)
                entryLine_ = lineNumber_;
            field_ = &slot.emplace(quoted(rest));
        } else if (keyword == "msgstr") {
            if (!entry_.english || entry_.translation)
                fail("msgstr without its msgid");
            field_ = &entry_.translation.emplace(quoted(rest));
        } else if (keyword.starts_with("msgid_plural") || keyword.starts_with("msgstr[")) {
            fail("plural forms, which Orvane's texts do not use");
        } else {
            fail("an unknown keyword \"" + std::string(keyword) + "\"");
        }
    }

    std::string quoted(std::string_view text) const
    {
        if (text.size() < 2 || text.front() != '"' || text.back() != '"')
            fail("a string that is not within double quotes");
        std::string result;
        for (size_t i = 1; i + 1 < text.size(); ++i) {
            const char c = text[i];
            if (c == '"')
                fail("a double quote that is not escaped");
            if (c != '\\') {
                result += c;
                continue;
            }
            if (i + 2 >= text.size())
                fail("a backslash at the end of a string");
            switch (text[++i]) {
            case 'n': result += '\n'; break;
            case 't': result += '\t'; break;
            case 'r': result += '\r'; break;
            case '"': result += '"'; break;
            case '\\': result += '\\'; break;
            default: fail(std::string("an unknown escape \\") + text[i]);
            }
        }
        return result;
    }

    void finishEntryIfComplete()
    {
        if (entry_.translation)
            finishEntry();
    }

    void finishEntry()
    {
        if (entry_.english && !entry_.translation)
            fail("msgid \"" + *entry_.english + "\" without its msgstr", entryLine_);
        // The header (an empty msgid) and untranslated or fuzzy entries keep the English.
        if (entry_.english && !entry_.english->empty() && !entry_.fuzzy && !entry_.translation->empty()) {
            std::string key = entry_.context ? *entry_.context + ContextEnd : std::string();
            key += *entry_.english;
            if (!translations_.emplace(std::move(key), std::move(*entry_.translation)).second)
                fail("msgid \"" + *entry_.english + "\" translated twice", entryLine_);
        }
        entry_ = {};
        field_ = nullptr;
    }

    std::string_view text_;
    std::string_view name_;
    size_t lineNumber_ = 1;
    size_t entryLine_ = 1;
    Entry entry_;
    std::string* field_ = nullptr;
    std::map<std::string, std::string, std::less<>> translations_;
};

} // namespace

PoCatalogue PoCatalogue::parse(std::string_view text, std::string_view name)
{
    PoCatalogue catalogue;
    catalogue.translations_ = Parser(text, name).translations();
    return catalogue;
}

const std::string* PoCatalogue::find(std::string_view english, std::string_view context) const
{
    std::string key = context.empty() ? std::string() : std::string(context) + ContextEnd;
    key += english;
    const auto found = translations_.find(key);
    return found == translations_.end() ? nullptr : &found->second;
}

} // namespace orvane
