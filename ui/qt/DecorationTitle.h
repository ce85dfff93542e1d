#pragma once
// Where no compositor draws window frames (a Wayland desktop without
// server-side decorations), Qt draws its own: it centres the title across
// the whole window, cuts what runs under its three buttons on the right or
// past its icon on the left, and never elides. A dialog narrower than its
// title would show it cut at both ends.
class QWidget;

namespace orvane {

// Widens a shown dialog in Qt's own decoration until its title fits between
// the buttons, its controls kept as the layout places them, in the middle,
// and centres it over its owner again. Nothing changes under any other frame.
void makeRoomForTitle(QWidget& dialog, const QWidget* owner);

} // namespace orvane
