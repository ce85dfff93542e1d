#pragma once
// The pictures both windows show, from the one copy in ui/resources.
#include <QIcon>
#include <QPixmap>

#include <string>

namespace orvane {

// "game": the game's program icon; "editor": the World Editor's, a scroll with a quill.
QPixmap picture(const std::string& name);
QIcon applicationIcon();

} // namespace orvane
