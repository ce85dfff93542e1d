#pragma once
// The texts Orvane shows, in the player's language: every English text is
// looked up here, and stays English where the catalogue has no translation.
#include "files/Errors.h"
#include "language/PoCatalogue.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

class Texts {
public:
    Texts() = default; // English
    Texts(std::string language, PoCatalogue catalogue)
        : language_(std::move(language)),
          catalogue_(std::move(catalogue))
    {}

    // The translation of english, or english itself.
    std::string operator()(std::string_view english) const
    {
        const std::string* translated = catalogue_.find(english);
        return translated ? *translated : std::string(english);
    }
    // The translation of english with each %s replaced by the next of
    // arguments, in order; a translation may take them in another order
    // ("%2$s ... %1$s"). "%%" is a per cent sign.
    std::string formatted(std::string_view english, std::initializer_list<std::string_view> arguments) const
    {
        return formatMessage((*this)(english), std::vector<std::string_view>(arguments));
    }
    std::string formatted(std::string_view english, const std::vector<std::string>& arguments) const
    {
        return formatMessage((*this)(english), std::vector<std::string_view>(arguments.begin(), arguments.end()));
    }
    // As formatted, for a text that names the count n: the singular or the
    // plural in English, the language's plural form of n in a translation.
    std::string formattedPlural(std::string_view singular, std::string_view plural, unsigned long n,
                                std::initializer_list<std::string_view> arguments) const;
    // The catalogue's name ("de", "pt_BR"); empty for English.
    const std::string& language() const { return language_; }

private:
    std::string language_;
    PoCatalogue catalogue_;
};

// A catalogue built into the program.
struct BuiltInCatalogue {
    std::string_view language; // "de", "pt_BR"
    std::string_view text;     // the .po file as the build checked it
};
// Every catalogue built into the program, made by the build from po/.
const std::vector<BuiltInCatalogue>& builtInCatalogues();

// The texts of the first preferred language there is a catalogue for;
// English for none.
Texts textsFor(const std::vector<std::string>& preferred, const std::vector<BuiltInCatalogue>& catalogues);

} // namespace orvane
