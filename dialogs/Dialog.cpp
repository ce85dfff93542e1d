#include "dialogs/Dialog.h"

namespace orvane {

Dialog::Dialog(const WindowLayout& layout, Context& context)
    : context_(context),
      window_(layout, context.commands, context.texts)
{
    window_.setOnClose([this] { close(); });
}

void Dialog::open(Window& mainWindow)
{
    mainWindow_ = &mainWindow;
    window_.show(&mainWindow);
}

void Dialog::close()
{
    if (mainWindow_)
        mainWindow_->setEnabled(true);
    window_.hide();
}

} // namespace orvane
