#pragma once
// A path as the program shows and keeps it, in UTF-8, and back.
#include <filesystem>
#include <string>
#include <string_view>

namespace orvane {

inline std::string displayPath(const std::filesystem::path& file)
{
    const std::u8string text = file.u8string();
    return std::string(text.begin(), text.end());
}

inline std::filesystem::path pathOf(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

} // namespace orvane
