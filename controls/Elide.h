#pragma once
// A text too wide for its room, shortened in the middle so that both ends,
// a path's drive and its file name, stay readable.
#include <functional>
#include <string>

namespace orvane {

// widthOf measures a candidate; the text itself when it fits, else its
// longest middle-elided form ("C:\Games\…\competitive.ini") that does.
std::wstring elideMiddle(const std::wstring& text, int room, const std::function<int(const std::wstring&)>& widthOf);

} // namespace orvane
