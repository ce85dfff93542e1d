#include "app/TMainForm.h"

#include "app/ErrorHandler.h"
#include "app/ProgramInfo.h"
#include "app/ProgramState.h"
#include "dialogs/WindowStyle.h"
#include "dialogs/addbnet.h"
#include "settings/Schema.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>

namespace orvane {
namespace {

constexpr int ClientWidth = 894;
constexpr int ClientHeight = 584;
constexpr int StatusBarHeight = 17;

} // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName("MainForm");
    setWindowTitle(ApplicationTitle);
    applyWindowStyle(*this);

    auto* client = new QWidget(this);
    client->setObjectName("ClientArea");
    client->setFixedSize(ClientWidth, ClientHeight - StatusBarHeight);
    setCentralWidget(client);
    buildControls(client);
    buildMenu();
    buildFileDialogs();
    buildStatusBar();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    runGuarded([this] { FormCreate(); });
    centreOnDesktop(*this);
}

TMainForm::~TMainForm()
{
    ShtdwnClick();
}

void TMainForm::setAddBnetForm(TAddBnetForm* form)
{
    addBnetForm_ = form;
}

QString TMainForm::panelText(int panel) const
{
    return panels_.at(static_cast<size_t>(panel))->text();
}

void TMainForm::setPanelText(int panel, const QString& text)
{
    panels_.at(static_cast<size_t>(panel))->setText(text);
}

void TMainForm::FormCreate()
{
    ProgramState& state = programState();
    state.PendingAdd.pending = false;
    state.PendingDelete.pending = false;
    state.accountListsCreated = false;
    state.StartParams.clear();
    setPanelText(1, "No configuration loaded!");
    state.registry->SetRootKey(RootKey::CurrentUser);
    if (!state.arguments.empty() && state.arguments.front() == "/scrshtemu")
        state.InstallDir = "C:\\Program Files\\Warcraft III";
    setPanelText(0, "Installed in " + QString::fromStdString(state.InstallDir));
    state.registry->OpenKey(schema::GameKey, false);
    state.GameExePath = state.registry->ReadString(schema::Program);
    state.registry->CloseKey();
    state.EditorExePath = state.InstallDir + "\\World Editor.exe";
    LoadRegData();
}

void TMainForm::AddBnetClick()
{
    setEnabled(false);
    addBnetForm_->open(*this);
}

void TMainForm::DelBnetClick()
{
    ProgramState& state = programState();
    state.PendingDelete = {BnetName->currentText().toStdString(), true};
    ReadBnetUsers();
}

void TMainForm::CMFileReloadCFGClick()
{
    LoadRegData();
}

void TMainForm::CMFileCloseClick()
{
    QCoreApplication::quit();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // The main window is the application's: closing it ends the program
    // even while a dialog is open.
    event->accept();
    QCoreApplication::quit();
}

void TMainForm::ShtdwnClick()
{
    Shutdown();
}

void TMainForm::Shutdown()
{
    if (shutDown_)
        return;
    shutDown_ = true;
    ProgramState& state = programState();
    state.registry.reset();
    if (state.accountListsCreated) {
        state.AccountList.clear();
        state.BnetValueNames.clear();
        state.accountListsCreated = false;
    }
    QCoreApplication::quit();
}

// The work of these commands comes with the features that own them:
// configuration files, profiles, folders, options, launching, cleanup and
// the About box.
void TMainForm::RenameClick() {}
void TMainForm::CPSClick() {}
void TMainForm::CPRClick() {}
void TMainForm::CPLClick() {}
void TMainForm::CPEClick() {}
void TMainForm::RemLoFiKeyClick() {}
void TMainForm::W3IconClick() {}
void TMainForm::WEIconClick() {}
void TMainForm::CMFileLoadConfigClick() {}
void TMainForm::CMFileSaveConfigClick() {}
void TMainForm::CMOptionsClick() {}
void TMainForm::CMRegCleanUpClick() {}
void TMainForm::CMHelpReadmeClick() {}
void TMainForm::CMHelpInfoClick() {}

} // namespace orvane
