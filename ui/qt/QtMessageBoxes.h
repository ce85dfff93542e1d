#pragma once
#include "context/MessageBoxes.h"

namespace orvane {

class QtMessageBoxes : public MessageBoxes {
public:
    MessageAnswer show(const MessageBoxRequest& request) override;
};

} // namespace orvane
