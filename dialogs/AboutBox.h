#pragma once
#include "dialogs/Dialog.h"

#include <string>

namespace orvane {

// The About box: the product, its maintainers and how to reach them.
class TProginfo : public Dialog {
public:
    explicit TProginfo(Context& context);

    void open(Window& mainWindow) { Dialog::open(mainWindow); }
    void butOKClick();
    void lbMailClick();
    void lbWebClick();

private:
    void openLink(const std::string& address);
};

const WindowLayout& proginfoLayout();

} // namespace orvane
