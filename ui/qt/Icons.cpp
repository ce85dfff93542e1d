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

QIcon picture(const std::string& name)
{
    loadResources();
    // Both, whatever the scale at the start: the window may move to a screen of another.
    const QString file = ":/" + QString::fromStdString(name);
    QIcon both(file + ".bmp");
    both.addFile(file + "@2x.bmp");
    return both;
}

QIcon applicationIcon()
{
    loadResources();
    return QIcon(":/orvane.ico");
}

} // namespace orvane
