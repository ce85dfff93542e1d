#pragma once
// The program's pictures at a window's DPI. A picture drawn for 96 DPI is
// resampled to its size at another DPI with a bilinear filter: smooth
// edges where a pixel stretch would show blocks.
#include <windows.h>

#include <string>

namespace orvane {

// The bitmap resource of that name ("game" for GAME), for the caller to delete.
HBITMAP loadPicture(const std::string& name, int dpi);
// A copy of a 24-bit picture at that size, for the caller to delete.
HBITMAP resampledPicture(HBITMAP picture, SIZE size);

} // namespace orvane
