#pragma once

namespace orvane {

inline constexpr char ApplicationTitle[] = "Orvane";
// Named in the fatal message and in the About box.
inline constexpr char MaintainerAddress[] = "orvane-maintainers@example.org";

} // namespace orvane
