#include "app/OrvaneApplication.h"

#include "app/ErrorHandler.h"

namespace orvane {

OrvaneApplication::OrvaneApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool OrvaneApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    runGuarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace orvane
