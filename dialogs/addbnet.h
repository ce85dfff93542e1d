#pragma once
#include "dialogs/DialogFrame.h"

#include <functional>

class QLineEdit;
class QPushButton;

namespace orvane {

// Asks for a Battle.net account name to add to the stored list.
class TAddBnetForm : public DialogFrame {
public:
    // readBnetUsers stores the pending name once the dialog has closed.
    explicit TAddBnetForm(std::function<void()> readBnetUsers);

    // Shows the dialog over the (already disabled) main window.
    void open(QWidget& mainWindow);

    void AddBnetOKClick();
    void AddBnetCancelClick();

private:
    void closeOver();

    std::function<void()> readBnetUsers_;
    QWidget* mainWindow_ = nullptr;
    QLineEdit* AddBnetEdit = nullptr;
    QPushButton* AddBnetOK = nullptr;
    QPushButton* AddBnetCancel = nullptr;
};

} // namespace orvane
