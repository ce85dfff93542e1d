#include "ui/qt/Icons.h"

// A static library's resources are linked only when asked for by name.
static void loadResources()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    (void)loaded;
}

namespace orvane {

QPixmap picture(const std::string& name)
{
    loadResources();
    return QPixmap(":/" + QString::fromStdString(name) + ".bmp");
}

QIcon applicationIcon()
{
    loadResources();
    return QIcon(":/orvane.ico");
}

} // namespace orvane
