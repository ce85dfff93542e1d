#pragma once
// A test's own look at a file, byte for byte.
#include <filesystem>
#include <string>

namespace orvane::test {

std::string readFile(const std::filesystem::path& file);
// Creates the folders it needs.
void writeFile(const std::filesystem::path& file, const std::string& content);

} // namespace orvane::test
