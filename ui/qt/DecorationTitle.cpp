#include "ui/qt/DecorationTitle.h"

#include "ui/qt/ScreenFit.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace orvane {
namespace {

// Qt's decoration: 18-pixel buttons 5 apart, 8 from the frame's right
// edge, the title clipped 5 before them; the title is drawn at 14 pixels. The icon on the left takes less room than the
// buttons, and the title is centred, so the buttons' side sets the need.
constexpr int ButtonsSide = 8 + 3 * 18 + 2 * 5 + 5;
constexpr int TitlePixels = 14;

bool inQtsOwnDecoration(const QWidget& dialog)
{
    const QWindow* window = dialog.windowHandle();
    return QGuiApplication::platformName().startsWith("wayland") && window && window->frameMargins().top() > 0;
}

int titleWidth(const QWidget& dialog)
{
    QFont drawn = QGuiApplication::font();
    drawn.setPixelSize(TitlePixels);
    // Centred by the width in the application's font, drawn in the 14-pixel one.
    return std::max(QFontMetrics(drawn).horizontalAdvance(dialog.windowTitle()),
                    QFontMetrics(QGuiApplication::font()).horizontalAdvance(dialog.windowTitle()));
}

} // namespace

void makeRoomForTitle(QWidget& dialog, const QWidget* owner)
{
    if (!inQtsOwnDecoration(dialog))
        return;
    const QMargins border = dialog.windowHandle()->frameMargins();
    const int needed = titleWidth(dialog) + 2 * ButtonsSide - border.left() - border.right();
    const int widened = needed - dialog.width();
    if (widened <= 0)
        return;
    for (QWidget* child : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        child->move(child->pos() + QPoint(widened / 2, 0));
    dialog.setFixedWidth(needed);
    centreOn(dialog, owner);
}

} // namespace orvane
