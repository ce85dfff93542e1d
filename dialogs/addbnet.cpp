#include "dialogs/addbnet.h"

#include "app/ProgramState.h"
#include "platform/MessageBoxes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace orvane {

TAddBnetForm::TAddBnetForm(std::function<void()> readBnetUsers)
    : DialogFrame("AddBnetForm", "Add a Battle.net account name to the list", 330, 72),
      readBnetUsers_(std::move(readBnetUsers))
{
    auto* label = new QLabel("Enter a Name:", this);
    label->setObjectName("Label1");
    label->setGeometry(8, 12, 80, 13);
    AddBnetEdit = new QLineEdit(this);
    AddBnetEdit->setObjectName("AddBnetEdit");
    AddBnetEdit->setGeometry(88, 8, 233, 21);
    AddBnetOK = new QPushButton("OK", this);
    AddBnetOK->setObjectName("AddBnetOK");
    AddBnetOK->setGeometry(88, 40, 75, 25);
    AddBnetCancel = new QPushButton("Cancel", this);
    AddBnetCancel->setObjectName("AddBnetCancel");
    AddBnetCancel->setGeometry(168, 40, 75, 25);
    setTabOrder(AddBnetEdit, AddBnetOK);
    setTabOrder(AddBnetOK, AddBnetCancel);
    connect(AddBnetOK, &QPushButton::clicked, this, &TAddBnetForm::AddBnetOKClick);
    connect(AddBnetCancel, &QPushButton::clicked, this, &TAddBnetForm::AddBnetCancelClick);
}

void TAddBnetForm::open(QWidget& mainWindow)
{
    mainWindow_ = &mainWindow;
    showOver(mainWindow);
    AddBnetEdit->setFocus();
}

void TAddBnetForm::closeOver()
{
    if (mainWindow_)
        mainWindow_->setEnabled(true);
    hide();
}

void TAddBnetForm::AddBnetOKClick()
{
    ProgramState& state = programState();
    const std::string name = AddBnetEdit->text().toStdString();
    if (std::find(state.AccountList.begin(), state.AccountList.end(), name) != state.AccountList.end()) {
        messageBoxes().show({"Name exists already",
                             "The name you entered is already added to the list! Choose another name or press Cancel!",
                             MessageIcon::Information, MessageButtons::Ok});
        return;
    }
    state.PendingAdd = {name, true};
    AddBnetEdit->clear();
    closeOver();
    readBnetUsers_();
}

void TAddBnetForm::AddBnetCancelClick()
{
    closeOver();
}

} // namespace orvane
