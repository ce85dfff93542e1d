#pragma once
#include "dialogs/DialogFrame.h"

namespace orvane {

class TRenCPForm : public DialogFrame {
public:
    TRenCPForm();
};

} // namespace orvane
