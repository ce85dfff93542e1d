#pragma once
#include "dialogs/DialogFrame.h"

namespace orvane {

class TAddBnetForm : public DialogFrame {
public:
    TAddBnetForm();
};

} // namespace orvane
