#pragma once
// The pictures both windows show, from the one copy in ui/resources.
#include <QIcon>

#include <string>

namespace orvane {

// "game": the game's program icon; "editor": the World Editor's, a scroll
// with a quill. 48 by 48, with a copy at twice the pixels for screens at a
// higher scale: drawn through QIcon, each screen gets the sharper one it needs.
QIcon picture(const std::string& name);
QIcon applicationIcon();

} // namespace orvane
