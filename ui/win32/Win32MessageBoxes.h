#pragma once
#include "context/MessageBoxes.h"

namespace orvane {

// MessageBoxW without an owner window.
class Win32MessageBoxes : public MessageBoxes {
public:
    MessageAnswer show(const MessageBoxRequest& request) override;
};

} // namespace orvane
