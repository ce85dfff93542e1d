#pragma once
// What a reading limited to some key trees needs of a registry file: its
// header and those trees' blocks, in file order, taken as the file streams
// through a small buffer. Other programs' keys, however large, are read
// past and never held.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orvane {

// Reads fd from where it stands to its end, which should lie size bytes
// on, and never more than a byte past that. nullopt when the file fails a check that only the whole file can
// tell (binary data, a cut-off end, its size), or does not read as its
// size says: reading it whole says what is wrong.
std::optional<std::string> treesExcerpt(int fd, size_t size, std::span<const std::string_view> trees,
                                        size_t chunk = 256 << 10);

} // namespace orvane
