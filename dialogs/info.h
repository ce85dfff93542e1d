#pragma once
#include "dialogs/Dialog.h"

namespace orvane {

// The About box: the product, its maintainers and how to reach them.
class TProginfo : public Dialog {
public:
    TProginfo();

    void open(Window& mainWindow) { Dialog::open(mainWindow); }
    void butOKClick();
    void lbMailClick();
    void lbWebClick();
};

const WindowLayout& proginfoLayout();

} // namespace orvane
