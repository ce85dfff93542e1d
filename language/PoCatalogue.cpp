#include "language/PoCatalogue.h"

#include <algorithm>
#include <optional>

namespace orvane {
namespace {

constexpr char ContextEnd = '\x04';

struct Entry {
    bool fuzzy = false;
    std::optional<std::string> context;
    std::optional<std::string> english;
    std::optional<std::string> translation;
    std::optional<std::string> plural;
    std::vector<std::optional<std::string>> forms; // msgstr[0], msgstr[1], ...
};

struct Parsed {
    std::map<std::string, std::string, std::less<>> translations;
    std::map<std::string, std::vector<std::string>, std::less<>> plurals;
    PluralRule rule;
};

class Parser {
public:
    Parser(std::string_view text, std::string_view name) : text_(text), name_(name) {}

    Parsed parsed()
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
        return std::move(parsed_);
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
            if (!entry_.english || entry_.translation || entry_.plural)
                fail(entry_.plural ? "msgstr where a text with plural forms needs msgstr[0], msgstr[1], ..."
                                   : "msgstr without its msgid");
            field_ = &entry_.translation.emplace(quoted(rest));
        } else if (keyword == "msgid_plural") {
            if (!entry_.english || entry_.plural || entry_.translation || !entry_.forms.empty())
                fail("msgid_plural without its msgid");
            field_ = &entry_.plural.emplace(quoted(rest));
        } else if (keyword.starts_with("msgstr[") && keyword.ends_with(']')) {
            const std::string_view digits = keyword.substr(7, keyword.size() - 8);
            if (!entry_.plural || digits.empty() || digits.size() > 2 ||
                digits.find_first_not_of("0123456789") != std::string_view::npos)
                fail("a " + std::string(keyword) + " without its msgid_plural");
            const size_t form = std::stoul(std::string(digits));
            if (form != entry_.forms.size())
                fail(std::string(keyword) + " out of order");
            field_ = &entry_.forms.emplace_back(quoted(rest)).value();
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
        if (entry_.translation || !entry_.forms.empty())
            finishEntry();
    }

    void finishEntry()
    {
        if (entry_.english && !entry_.translation && entry_.forms.empty())
            fail("msgid \"" + *entry_.english + "\" without its msgstr", entryLine_);
        if (entry_.english && entry_.english->empty() && entry_.translation)
            readHeader(*entry_.translation);
        // The header (an empty msgid) and untranslated or fuzzy entries keep the English.
        const bool translated = entry_.english && !entry_.english->empty() && !entry_.fuzzy;
        std::string key = entry_.context ? *entry_.context + ContextEnd : std::string();
        if (translated && entry_.translation && !entry_.translation->empty()) {
            if (!parsed_.translations.emplace(key + *entry_.english, std::move(*entry_.translation)).second)
                fail("msgid \"" + *entry_.english + "\" translated twice", entryLine_);
        } else if (translated && !entry_.forms.empty() &&
                   std::all_of(entry_.forms.begin(), entry_.forms.end(), [](const auto& form) { return !form->empty(); })) {
            std::vector<std::string> forms;
            for (auto& form : entry_.forms)
                forms.push_back(std::move(*form));
            if (!parsed_.plurals.emplace(key + *entry_.english, std::move(forms)).second)
                fail("msgid \"" + *entry_.english + "\" translated twice", entryLine_);
        }
        entry_ = {};
        field_ = nullptr;
    }

    void readHeader(std::string_view header)
    {
        try {
            parsed_.rule = PluralRule::fromHeader(header);
        } catch (const CatalogueError& error) {
            fail(error.what(), entryLine_);
        }
    }

    std::string_view text_;
    std::string_view name_;
    size_t lineNumber_ = 1;
    size_t entryLine_ = 1;
    Entry entry_;
    std::string* field_ = nullptr;
    Parsed parsed_;
};

} // namespace

PoCatalogue PoCatalogue::parse(std::string_view text, std::string_view name)
{
    Parsed parsed = Parser(text, name).parsed();
    PoCatalogue catalogue;
    catalogue.translations_ = std::move(parsed.translations);
    catalogue.plurals_ = std::move(parsed.plurals);
    catalogue.rule_ = std::move(parsed.rule);
    return catalogue;
}

const std::string* PoCatalogue::find(std::string_view english, std::string_view context) const
{
    std::string key = context.empty() ? std::string() : std::string(context) + ContextEnd;
    key += english;
    const auto found = translations_.find(key);
    return found == translations_.end() ? nullptr : &found->second;
}

const std::string* PoCatalogue::findPlural(std::string_view english, unsigned long n) const
{
    const auto found = plurals_.find(english);
    if (found == plurals_.end())
        return nullptr;
    const unsigned long form = rule_.formFor(n);
    return form < found->second.size() ? &found->second[form] : nullptr;
}

} // namespace orvane
