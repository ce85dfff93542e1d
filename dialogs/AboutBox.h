#pragma once
#include "dialogs/Dialog.h"

#include <string>

namespace orvane {

// The About box: the product, its maintainers and how to reach them.
class AboutBox : public Dialog {
public:
    explicit AboutBox(Context& context);

    void open(Window& mainWindow) { Dialog::open(mainWindow); }
    // The user's events, which the layout names.
    void dismiss() { close(); }
    void writeMail();
    void openWebPage();

private:
    void openLink(const std::string& address);
};

const WindowLayout& aboutBoxLayout();

} // namespace orvane
