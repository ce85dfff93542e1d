#pragma once
#include <array>
#include <cstdint>
#include <utility>

namespace orvane {

// The screen sizes of ResCB, item for item.
inline constexpr std::array<std::pair<int32_t, int32_t>, 8> Resolutions{
    {{640, 480}, {720, 576}, {800, 600}, {1024, 768}, {1152, 864}, {1280, 960}, {1280, 1024}, {1600, 1200}}};

} // namespace orvane
