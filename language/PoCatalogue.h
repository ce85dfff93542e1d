#pragma once
// A translation catalogue in gettext's .po format, the one translators and
// their tools use: each English text with its translation. Entries marked
// fuzzy, left untranslated or obsolete are not translations, so the English
// text stays for them.
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

namespace orvane {

// A catalogue that is not .po text; what names the file and the line.
class CatalogueError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class PoCatalogue {
public:
    PoCatalogue() = default;
    // name: the file, for the error's message. Throws CatalogueError.
    static PoCatalogue parse(std::string_view text, std::string_view name);

    // The translation of english in the context (msgctxt) given, or nullptr.
    const std::string* find(std::string_view english, std::string_view context = {}) const;
    size_t size() const { return translations_.size(); }

private:
    // msgctxt and msgid, joined by the EOT character as gettext joins them.
    std::map<std::string, std::string, std::less<>> translations_;
};

} // namespace orvane
