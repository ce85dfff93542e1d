#pragma once
// The face the layouts were drawn for, at the size at which their captions
// fit: the face found in its place may be wider.
#include <windows.h>

#include <string>

namespace orvane {

HFONT createLayoutFont();
// How wide text is in font, in pixels.
int textWidth(HFONT font, const std::string& text);

} // namespace orvane
