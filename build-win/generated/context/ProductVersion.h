#pragma once
// Made by CMake from the version that the top CMakeLists.txt states.

namespace orvane {

inline constexpr char ProductVersion[] = "Orvane 1.5b";

} // namespace orvane
