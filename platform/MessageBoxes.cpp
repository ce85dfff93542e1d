#include "platform/MessageBoxes.h"

#include <stdexcept>

namespace orvane {
namespace {
MessageBoxes* installed = nullptr;
}

MessageBoxes& messageBoxes()
{
    if (!installed)
        throw std::logic_error("no message boxes installed");
    return *installed;
}

void installMessageBoxes(MessageBoxes* boxes)
{
    installed = boxes;
}

} // namespace orvane
