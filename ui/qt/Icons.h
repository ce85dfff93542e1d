#pragma once
#include <QPixmap>

namespace orvane {

// Orvane's own 48 x 48 pictures: a shield emblem for the game, a scroll
// with a quill for the World Editor.
QPixmap gameIcon();
QPixmap editorIcon();

} // namespace orvane
