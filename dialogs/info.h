#pragma once
#include "dialogs/DialogFrame.h"

namespace orvane {

class TProginfo : public DialogFrame {
public:
    TProginfo();
};

} // namespace orvane
