#pragma once
// The face the layouts were drawn for, at the size at which their captions
// fit: the face found in its place may be wider.
#include "ui/win32/TextMeasure.h"

#include <windows.h>

namespace orvane {

HFONT createLayoutFont(TextMeasure& measure);

} // namespace orvane
