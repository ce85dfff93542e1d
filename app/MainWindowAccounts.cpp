// The Battle.net account names of the Miscellaneous box: the list, and
// its Add and Delete buttons.
#include "app/MainWindow.h"
#include "dialogs/AccountNameDialog.h"

namespace orvane {

void MainWindow::askForAccountName()
{
    window_.setEnabled(false);
    dialogs_->accountName.open(window_);
}

void MainWindow::addAccountName(const std::string& name)
{
    context_.history.nameChange(translatable("Add Account Name"));
    accounts_.postAddition(name);
    settings_.refreshAccountNames();
}

void MainWindow::deleteAccountName()
{
    context_.history.nameChange(translatable("Delete Account Name"));
    accounts_.postDeletion(BnetName.text());
    settings_.refreshAccountNames();
}

} // namespace orvane
