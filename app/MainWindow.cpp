#include "app/MainWindow.h"

#include "dialogs/AboutBox.h"
#include "dialogs/AccountNameDialog.h"
#include "dialogs/FolderChooser.h"
#include "dialogs/OptionsDialog.h"
#include "platform/Folders.h"
#include "settings/Schema.h"

namespace orvane {

namespace {

FileDialogRequest configurationDialog(FileDialogRequest::Purpose purpose, const char* name, std::string title,
                                      const Texts& texts)
{
    return {.purpose = purpose,
            .name = name,
            .title = std::move(title),
            .filterName = texts("Orvane Configuration (*.ini)"),
            .filterPattern = "*.ini",
            .defaultExtension = "ini"};
}

} // namespace

MainWindow::MainWindow(Context& context, Installation installation)
    : context_(context),
      window_(mainWindowLayout(), context.commands, context.texts),
      installation_(std::move(installation)),
      settings_(context, window_, accounts_),
      SaveConfigDlg(context.services.fileDialogs,
                    configurationDialog(FileDialogRequest::Purpose::Save, "SaveConfigDlg",
                                        context.texts("Choose a name or a file for the new Configuration"),
                                        context.texts)),
      LoadConfigDlg(context.services.fileDialogs,
                    configurationDialog(FileDialogRequest::Purpose::Open, "LoadConfigDlg",
                                        context.texts("Select a Configuration to load"), context.texts)),
      StatusBar(window_.statusBar("StatusBar")),
      CMRegCleanUp(window_.button("CMRegCleanUp")),
      CPCombo(window_.list("CPCombo")),
      BnetName(window_.list("BnetName"))
{
    window_.bindHandlers(*this, settings_);
    // The main window is the application's: closing it ends the program,
    // also while a dialog is open.
    window_.setOnClose([this] { quit(); });
}

void MainWindow::attachDialogs(const MainWindowDialogs& dialogs)
{
    dialogs_.emplace(dialogs);
}

void MainWindow::start()
{
    context_.history.nameChange(translatable("Start")); // the values a first start creates
    setPanelText(1, context_.texts("No configuration loaded!"));
    if (!context_.arguments.empty() && context_.arguments.front() == "/scrshtemu")
        installation_.gameFolder = "C:\\Program Files\\Warcraft III";
    setPanelText(0, context_.texts.formatted("Installed in %s", {installation_.gameFolder}));
    if (!context_.place.winePrefix.empty())
        StatusBar.setPanelHint(0,
                               context_.texts.formatted("Settings of the Wine prefix %s", {context_.place.winePrefix}));
    programs_.game = context_.registry->openKey(schema::GameKey).readString(schema::Program);
    programs_.editor = installation_.gameFolder + "\\World Editor.exe";
    reloadSettings();
}

void MainWindow::reloadSettings()
{
    context_.history.nameChange(translatable("Reload Configuration"));
    loadSettings(*context_.registry, context_.settings, *this);
}

void MainWindow::showNoConfigurationLoaded()
{
    setPanelText(2, context_.texts("No configuration loaded!"));
}

void MainWindow::enableCleanup()
{
    CMRegCleanUp.setEnabled(true);
}

void MainWindow::emptyProfiles()
{
    CPCombo.clear();
}

void MainWindow::valueRead(const schema::StoredValue& value)
{
    settings_.remember([&value](const schema::StoredValue& stored) { return &stored == &value; });
}

void MainWindow::openOptions()
{
    window_.setEnabled(false);
    dialogs_->options.open(window_);
}

void MainWindow::openAbout()
{
    window_.setEnabled(false);
    dialogs_->about.open(window_);
}

void MainWindow::chooseFolder(schema::TextField field)
{
    folderTarget_ = field;
    enterFolder(context_.place.paths, installation_.gameFolder); // where it cannot, the current directory stays
    window_.setEnabled(false);
    dialogs_->folders.open(window_);
}

void MainWindow::folderChosen(const std::string& folder)
{
    settings_.setFolder(folderTarget_, folder);
}

void MainWindow::quit()
{
    context_.services.toolkit.quit();
}

void MainWindow::shutDown()
{
    if (shutDown_)
        return;
    shutDown_ = true;
    context_.registry.reset();
    accounts_.clear();
    quit();
}

} // namespace orvane
