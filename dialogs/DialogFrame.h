#pragma once
#include <QDialog>

namespace orvane {

// A fixed dialog frame without title-bar buttons: it is left through its
// own buttons only.
class DialogFrame : public QDialog {
public:
    DialogFrame(const char* objectName, const char* caption, int clientWidth, int clientHeight);

protected:
    // Shows the dialog, not modal, centred on the main window.
    void showOver(const QWidget& mainWindow);
};

} // namespace orvane
