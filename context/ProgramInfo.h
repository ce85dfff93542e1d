#pragma once
#include "context/ProductVersion.h"

namespace orvane {

inline constexpr char ApplicationTitle[] = "Orvane";
// Named in the fatal message and in the About box.
inline constexpr char MaintainerAddress[] = "orvane-maintainers@example.org";
inline constexpr char ProjectPage[] = "https://orvane.example.org";
inline constexpr char CopyrightNotice[] = "(c) 2026 The Orvane maintainers";

} // namespace orvane
