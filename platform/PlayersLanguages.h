#pragma once
// The languages the player reads, best first: on Linux from gettext's
// variables (language/LanguageChoice.h), on Windows the user's interface
// language. Empty: English.
#include "language/Texts.h"

#include <string>
#include <vector>

namespace orvane {

std::vector<std::string> playersLanguages();

// The texts in the first of those languages that Orvane has a catalogue for.
inline Texts playersTexts()
{
    return textsFor(playersLanguages(), builtInCatalogues());
}

} // namespace orvane
