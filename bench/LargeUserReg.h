#pragma once
#include <string>

namespace orvane::bench {

// A user.reg of about `bytes` shaped like a used prefix: thousands of keys
// with text, dword and long hex values, and the game's settings keys.
std::string largeUserReg(size_t bytes);

} // namespace orvane::bench
