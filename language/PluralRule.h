#pragma once
// Which plural form a catalogue uses for a count: the C expression of its
// header's "Plural-Forms: nplurals=3; plural=(n%10==1 && n%100!=11 ? 0 : ...);".
#include <string>
#include <string_view>

namespace orvane {

class PluralRule {
public:
    PluralRule() = default; // English: form 0 for one, 1 for any other count
    // Throws CatalogueError (with what's message only) when the expression
    // is not one gettext could read.
    explicit PluralRule(std::string expression);
    // The header's rule, or English's when the header names none.
    static PluralRule fromHeader(std::string_view header);

    unsigned long formFor(unsigned long n) const;

private:
    std::string expression_ = "n != 1";
};

} // namespace orvane
