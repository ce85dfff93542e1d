#include "ui/qt/FontconfigWarmUp.h"

#include <fontconfig/fontconfig.h>

namespace orvane {

// Fontconfig makes its configuration current atomically: the toolkit's own
// first use meanwhile is safe, at worst loading it a second time.
FontconfigWarmUp::FontconfigWarmUp() : thread_([] { FcInit(); }) {}

FontconfigWarmUp::~FontconfigWarmUp()
{
    wait();
}

void FontconfigWarmUp::wait()
{
    if (thread_.joinable())
        thread_.join();
}

} // namespace orvane
