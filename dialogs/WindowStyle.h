#pragma once
class QWidget;

namespace orvane {

// "MS Sans Serif" at 8 point where it exists, else the system's sans face
// at 8 point; the button-face colour as background.
void applyWindowStyle(QWidget& window);
void centreOnDesktop(QWidget& window);

} // namespace orvane
