#pragma once
#include "dialogs/DialogFrame.h"

namespace orvane {

class TOptForm : public DialogFrame {
public:
    TOptForm();
};

} // namespace orvane
