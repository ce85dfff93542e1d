#include "app/TMainForm.h"

#include "app/ErrorHandler.h"
#include "app/ProgramInfo.h"
#include "app/ProgramState.h"
#include "dialogs/WindowStyle.h"
#include "settings/Schema.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QStatusBar>

namespace orvane {
namespace {

constexpr int ClientWidth = 894;
constexpr int ClientHeight = 584;
constexpr int StatusBarHeight = 17;
constexpr std::array<int, 3> PanelWidths{350, 175, 250};

QString fromStd(const std::string& text)
{
    return QString::fromStdString(text);
}

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

    Shtdwn = new QPushButton(client);
    Shtdwn->setObjectName("Shtdwn");
    Shtdwn->setGeometry(185, 264, 0, 0);
    Shtdwn->hide();
    connect(Shtdwn, &QPushButton::clicked, this, &TMainForm::ShtdwnClick);

    buildStatusBar();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    runGuarded([this] { FormCreate(); });
    centreOnDesktop(*this);
}

TMainForm::~TMainForm()
{
    ShtdwnClick();
}

void TMainForm::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName("StatusBar");
    bar->setFixedHeight(StatusBarHeight);
    bar->setSizeGripEnabled(false);
    for (size_t i = 0; i < panels_.size(); ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QString("StatusPanel%1").arg(i));
        panel->setFixedWidth(PanelWidths[i]);
        panel->setAlignment(Qt::AlignCenter);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addWidget(panel);
        panels_[i] = panel;
    }
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
    setPanelText(0, "Installed in " + fromStd(state.InstallDir));
    state.registry->OpenKey(schema::GameKey, false);
    state.GameExePath = state.registry->ReadString(schema::Program);
    state.registry->CloseKey();
    state.EditorExePath = state.InstallDir + "\\World Editor.exe";
    LoadRegData();
}

void TMainForm::LoadRegData()
{
    // Reading the settings into the record and the controls comes with the
    // window's controls.
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

} // namespace orvane
