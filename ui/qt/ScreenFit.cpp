#include "ui/qt/ScreenFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
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

// Centred over another window, or on its own screen, then inside the free
// area, its frame being of the size given.
void placeInFreeArea(QWidget& window, QSize framed, const QWidget* over)
{
    const QRect free = freeArea(over ? *over : window);
    QRect frame(QPoint(), framed);
    frame.moveCenter(over ? over->frameGeometry().center() : free.center());
    // The top left corner, with the title bar and the menu, last of all leaves the free area.
    frame.moveRight(std::min(frame.right(), free.right()));
    frame.moveBottom(std::min(frame.bottom(), free.bottom()));
    frame.moveLeft(std::max(frame.left(), free.left()));
    frame.moveTop(std::max(frame.top(), free.top()));
    window.move(frame.topLeft());
}

// Once the window manager has framed the dialog, its frame too within the free area.
class FrameFit : public QObject {
public:
    explicit FrameFit(QWidget& dialog) : QObject(&dialog), dialog_(dialog) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Move && event->type() != QEvent::Show)
            return false;
        const QRect free = freeArea(dialog_);
        const QSize frame = frameExtent(dialog_);
        if (free.contains(dialog_.frameGeometry()) || frame.isEmpty())
            return false;
        dialog_.resize(dialog_.size().boundedTo(free.size() - frame));
        QRect framed = dialog_.frameGeometry();
        framed.moveBottom(std::min(framed.bottom(), free.bottom()));
        framed.moveRight(std::min(framed.right(), free.right()));
        framed.moveTop(std::max(framed.top(), free.top()));
        framed.moveLeft(std::max(framed.left(), free.left()));
        dialog_.move(framed.topLeft());
        return false;
    }

private:
    QWidget& dialog_;
};

} // namespace

bool screenFreeAreaKnown()
{
    return !QGuiApplication::platformName().startsWith("wayland");
}

bool fitClientView(QMainWindow& window, QScrollArea& view)
{
    if (!screenFreeAreaKnown()) {
        const QSize whole = view.widget()->size();
        if (view.maximumSize() == whole)
            return false;
        view.setMinimumSize(view.minimumSizeHint());
        view.setMaximumSize(whole);
        return true;
    }
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
    // Not adjustSize(), which holds a window to two thirds of its screen.
    window.resize(window.sizeHint().expandedTo(window.minimumSize()).boundedTo(window.maximumSize()));
    placeInFreeArea(window, window.frameGeometry().size(), over);
}

void fitDialogTo(QWidget& dialog, const QWidget* owner)
{
    // Its own frame is the window manager's to add once shown: the owner's
    // stands for it until then, and the frame it gets is fitted again.
    const QSize frame = owner ? frameExtent(*owner) : QSize(0, 0);
    const QSize room = freeArea(owner ? *owner : dialog).size() - frame;
    // Its lists scroll: below the layout's minimum they shrink, and the dialog fits.
    dialog.ensurePolished();
    if (QLayout* layout = dialog.layout()) {
        layout->activate();
        if (room.boundedTo(dialog.minimumSizeHint()) != dialog.minimumSizeHint())
            layout->setSizeConstraint(QLayout::SetNoConstraint);
    }
    dialog.setMinimumSize(dialog.minimumSizeHint().boundedTo(room));
    dialog.resize(dialog.sizeHint().boundedTo(room));
    placeInFreeArea(dialog, dialog.size() + frame, owner);
    dialog.installEventFilter(new FrameFit(dialog));
}

} // namespace orvane
