#pragma once
// Fontconfig loads its configuration and font caches the first time any
// font is looked for: milliseconds that the window's first measure would
// otherwise wait for. A thread of its own loads them while the toolkit
// connects to the display.
#include <thread>

namespace orvane {

class FontconfigWarmUp {
public:
    FontconfigWarmUp();
    ~FontconfigWarmUp();
    FontconfigWarmUp(const FontconfigWarmUp&) = delete;
    FontconfigWarmUp& operator=(const FontconfigWarmUp&) = delete;

    // Returns once fontconfig is ready.
    void wait();

private:
    std::thread thread_;
};

} // namespace orvane
