#include "ui/qt/ScreenFit.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>

#include <algorithm>

namespace orvane {
namespace {

QRect freeArea(const QWidget& window)
{
    return window.screen()->availableGeometry();
}

// The window manager's frame, once it has framed the window; nothing before.
QSize frameExtent(const QWidget& window)
{
    return window.frameGeometry().size() - window.size();
}

} // namespace

bool fitClientView(QMainWindow& window, QScrollArea& view)
{
    const QSize bars(0, window.menuBar()->sizeHint().height() + window.statusBar()->height());
    const QSize room = freeArea(window).size() - frameExtent(window) - bars;
    const QSize whole = view.widget()->size();
    QSize shown = whole.boundedTo(room);
    // A scroll bar takes room from the other side, which gets it back where the free area has it.
    if (shown != whole) {
        const int bar = view.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &view);
        shown = (whole + QSize(bar, bar)).boundedTo(room).expandedTo(view.minimumSizeHint());
    }
    if (view.minimumSize() == shown && view.maximumSize() == shown)
        return false;
    view.setFixedSize(shown);
    return true;
}

void centreOn(QWidget& window, const QWidget* over)
{
    window.adjustSize();
    const QRect free = freeArea(over ? *over : window);
    QRect frame = window.frameGeometry();
    frame.moveCenter(over ? over->frameGeometry().center() : free.center());
    // The top left corner, with the title bar and the menu, last of all leaves the free area.
    frame.moveRight(std::min(frame.right(), free.right()));
    frame.moveBottom(std::min(frame.bottom(), free.bottom()));
    frame.moveLeft(std::max(frame.left(), free.left()));
    frame.moveTop(std::max(frame.top(), free.top()));
    window.move(frame.topLeft());
}

} // namespace orvane
