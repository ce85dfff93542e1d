#pragma once
// Where orvane.exe keeps the history of its changes.
#include <filesystem>

namespace orvane {

// %LOCALAPPDATA%\Orvane\History; empty when the variable is not set, and
// no history is kept.
std::filesystem::path windowsHistoryFolder();

} // namespace orvane
