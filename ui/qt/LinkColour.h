#pragma once
#include <QColor>

namespace orvane {

// The red a link turns under the pointer: as near pure red as keeps a
// contrast of at least 4.5:1 against the background, darker on a light
// one and lighter on a dark one, so it reads on every theme.
QColor readableRedOn(const QColor& background);

} // namespace orvane
