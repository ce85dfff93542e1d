#pragma once
#include "dialogs/DialogFrame.h"

namespace orvane {

class TCDForm : public DialogFrame {
public:
    TCDForm();
};

} // namespace orvane
