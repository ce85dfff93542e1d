#pragma once
// --list-prefixes, where Wine prefixes are.
#include "language/Texts.h"
#include "wine/GamePrefixes.h"

#include <ostream>

namespace orvane {

// One line per prefix that holds the game, tab-separated launcher, folder,
// InstallPath and last use, most recently used first. Exit status 1, with
// a message on err, when there is none.
int listGamePrefixes(const HomeFolders& folders, const Texts& texts, std::ostream& out, std::ostream& err);

} // namespace orvane
