#pragma once
// Windows within their screen's free area (the desktop less its panels), at
// every scale: a high scale on a small screen makes the main window larger
// than the screen, and then its client area scrolls.
class QMainWindow;
class QScrollArea;
class QWidget;

namespace orvane {

// Whether the platform tells the free area of a screen: a Wayland
// compositor keeps its panels and where it places windows to itself.
bool screenFreeAreaKnown();

// Sizes the main window's scrolling view of its client area to the room the
// free area leaves, up to the whole client area: where the window fits it
// shows all of it, without scroll bars. True when the view's size changed.
// Where the free area is unknown, the view may shrink to scroll instead.
bool fitClientView(QMainWindow& window, QScrollArea& view);

// Centred over another window, or on its own screen when there is none, and
// moved inside the free area as far as it fits.
void centreOn(QWidget& window, const QWidget* over);

// A dialog that sizes itself (the file dialogs) no larger than the free
// area of its owner's screen leaves, less a frame like the owner's, and
// centred over the owner.
void fitDialogTo(QWidget& dialog, const QWidget* owner);

} // namespace orvane
