#pragma once
// A translation catalogue in gettext's .po format, the one translators and
// their tools use: each English text with its translation, and texts that
// name a count with one translation per plural form of the language. Entries
// marked fuzzy, left untranslated or obsolete are not translations, so the
// English text stays for them.
#include "language/CatalogueError.h"
#include "language/PluralRule.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

class PoCatalogue {
public:
    PoCatalogue() = default;
    // name: the file, for the error's message. Throws CatalogueError.
    static PoCatalogue parse(std::string_view text, std::string_view name);

    // The translation of english in the context (msgctxt) given, or nullptr.
    const std::string* find(std::string_view english, std::string_view context = {}) const;
    // The translation of a text with plural forms (english: its singular)
    // for the count n, or nullptr.
    const std::string* findPlural(std::string_view english, unsigned long n) const;
    size_t size() const { return translations_.size() + plurals_.size(); }

private:
    // msgctxt and msgid, joined by the EOT character as gettext joins them.
    std::map<std::string, std::string, std::less<>> translations_;
    std::map<std::string, std::vector<std::string>, std::less<>> plurals_;
    PluralRule rule_;
};

} // namespace orvane
