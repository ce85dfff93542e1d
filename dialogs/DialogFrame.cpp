#include "dialogs/DialogFrame.h"

#include "dialogs/WindowStyle.h"

namespace orvane {

DialogFrame::DialogFrame(const char* objectName, const char* caption, int clientWidth, int clientHeight)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setFixedSize(clientWidth, clientHeight);
    applyWindowStyle(*this);
}

void DialogFrame::showOver(const QWidget& mainWindow)
{
    QRect frame = frameGeometry();
    frame.moveCenter(mainWindow.frameGeometry().center());
    move(frame.topLeft());
    show();
    raise();
    activateWindow();
}

} // namespace orvane
