#pragma once
#include <QFont>

class QWidget;

namespace orvane {

// "MS Sans Serif" at 8 point where it exists, else the nearest face at the
// largest size whose captions fit the layout.
QFont layoutFont();
// That font, and the button-face colour as background.
void applyWindowStyle(QWidget& window, const QFont& font);

} // namespace orvane
