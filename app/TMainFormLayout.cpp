// The main window's controls, menu, file dialogs and status bar, placed in
// pixels at 96 DPI as the window has always looked.
#include "app/ClickableImage.h"
#include "app/Icons.h"
#include "app/TMainForm.h"
#include "app/TabOrder.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>

namespace orvane {
namespace {

constexpr int StatusBarHeight = 17;
constexpr std::array<int, 3> PanelWidths{350, 175, 250};
const QStringList Levels{"Low", "Middle", "High"};
const QStringList Depths{"16 Bit", "32 Bit"};
const char* const ApplyHint = "If you click here the changes you made will be saved to Registry.";

template <class Widget>
Widget* place(Widget* widget, const char* name, int x, int y, int width, int height, const char* hint = nullptr)
{
    widget->setObjectName(name);
    widget->setGeometry(x, y, width, height);
    if (hint)
        widget->setToolTip(hint);
    return widget;
}

QGroupBox* groupBox(QWidget* parent, const char* name, const char* caption, int x, int y, int width, int height)
{
    return place(new QGroupBox(caption, parent), name, x, y, width, height);
}

QLabel* label(QWidget* parent, const char* name, const char* caption, int x, int y)
{
    auto* widget = new QLabel(caption, parent);
    widget->setObjectName(name);
    widget->adjustSize();
    widget->setGeometry(x, y, widget->width(), 13);
    return widget;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const char* caption, int x, int y, int width, const char* hint)
{
    return place(new QCheckBox(caption, parent), name, x, y, width, 17, hint);
}

QSlider* slider(QWidget* parent, const char* name, int x, int y, int width, const char* hint)
{
    auto* widget = place(new QSlider(Qt::Horizontal, parent), name, x, y, width, 17, hint);
    widget->setRange(1, 100);
    widget->setTickPosition(QSlider::TicksBelow);
    widget->setTickInterval(1);
    widget->setValue(1);
    return widget;
}

QComboBox* comboBox(QWidget* parent, const char* name, const QStringList& items, int x, int y, int width, const char* hint)
{
    auto* widget = place(new QComboBox(parent), name, x, y, width, 21, hint);
    widget->addItems(items);
    widget->setCurrentIndex(-1);
    return widget;
}

QLineEdit* edit(QWidget* parent, const char* name, int x, int y, int width, const char* hint)
{
    return place(new QLineEdit(parent), name, x, y, width, 21, hint);
}

QPushButton* button(QWidget* parent, const char* name, const char* caption, int x, int y, int width, const char* hint,
                    int height = 17)
{
    return place(new QPushButton(caption, parent), name, x, y, width, height, hint);
}

QPushButton* applyButton(QWidget* parent, const char* name, int x, int y)
{
    return button(parent, name, "Apply Settings", x, y, 153, ApplyHint, 25);
}

// Wide enough for "100": the caption follows the slider.
QLabel* countLabel(QWidget* parent, const char* name, int x, int y)
{
    QLabel* count = label(parent, name, "1", x, y);
    count->resize(24, count->height());
    return count;
}

} // namespace

void TMainForm::buildControls(QWidget* client)
{
    TabOrder tabs;
    auto* gameplay = groupBox(client, "GameplayGroupBox", "Gameplay", 8, 8, 185, 249);
    auto* video = groupBox(client, "VideoGroupBox", "Video", 200, 8, 185, 521);
    auto* sound = groupBox(client, "SoundGroupBox", "Sound", 392, 8, 185, 457);
    auto* misc = groupBox(client, "MiscGroupBox", "Miscellaneous", 584, 8, 305, 433);
    tabs.add(gameplay, 2);
    tabs.add(video, 0);
    tabs.add(sound, 1);
    tabs.add(misc, 3);
    buildGameplay(tabs, gameplay);
    buildVideo(tabs, video);
    buildSound(tabs, sound);
    buildMisc(tabs, misc);

    W3Icon = place(new ClickableImage(client), "W3Icon", 400, 512, 49, 49, "Click here to run Warcraft III");
    W3Icon->setPixmap(gameIcon());
    WEIcon = place(new ClickableImage(client), "WEIcon", 456, 512, 49, 49, "Click here to run the World-Editor");
    WEIcon->setPixmap(editorIcon());
    connect(W3Icon, &ClickableImage::clicked, this, &TMainForm::W3IconClick);
    connect(WEIcon, &ClickableImage::clicked, this, &TMainForm::WEIconClick);

    // Never visible: they only carry the names of two handlers.
    UpdButinv = place(new QPushButton(client), "UpdButinv", 185, 272, 0, 0);
    Shtdwn = place(new QPushButton(client), "Shtdwn", 185, 264, 0, 0);
    UpdButinv->hide();
    Shtdwn->hide();
    tabs.add(UpdButinv, 5);
    tabs.add(Shtdwn, 6);
    connect(UpdButinv, &QPushButton::clicked, this, &TMainForm::UpdButinvClick);
    connect(Shtdwn, &QPushButton::clicked, this, &TMainForm::ShtdwnClick);

    tabs.apply(client);
    connectChangeEvents();
}

void TMainForm::buildGameplay(TabOrder& tabs, QWidget* box)
{
    MSCB = checkBox(box, "MSCB", "Mouse Scrolling (1-100)", 8, 24, 129,
                    "If you click here, you can enable/disable mouse scrolling. Default is enabled.");
    MSTrackBar = slider(box, "MSTrackBar", 8, 48, 145, "This changes the mouse scroll speed. Default is 50.");
    MSCount = countLabel(box, "MSCount", 160, 48);
    label(box, "Label32", "Keyboard Scrolling (1-100)", 8, 80);
    KSTrackBar = slider(box, "KSTrackBar", 8, 104, 145, "This changes the keyboard scroll speed. Default is 50.");
    KSCount = countLabel(box, "KSCount", 160, 104);
    TTCB = checkBox(box, "TTCB", "Tooltips", 8, 136, 57, "You can enable/disable Tooltips here. Default is enabled.");
    label(box, "Label34", "Network Gameport (1024 - 49151)", 8, 160);
    NetGP = edit(box, "NetGP", 8, 176, 49,
                 "Enter here a value from 1024 to 49151 as Network Gameport. Default is 6112.");
    NetGP->setMaxLength(5);
    GAS = applyButton(box, "GAS", 16, 216);
    connect(GAS, &QPushButton::clicked, this, &TMainForm::GASClick);
    tabs.add(MSCB, 0);
    tabs.add(MSTrackBar, 1);
    tabs.add(KSTrackBar, 2);
    tabs.add(NetGP, 3);
    tabs.add(GAS, 4);
    tabs.add(TTCB, 5);
}

void TMainForm::buildVideo(TabOrder& tabs, QWidget* box)
{
    label(box, "Resolution", "Resolution", 8, 24);
    ResCB = comboBox(box, "ResCB",
                     {"640x480", "720x576", "800x600", "1024x768", "1152x864", "1280x960", "1280x1024", "1600x1200"},
                     64, 24, 81,
                     "Here you can set the resolution. Higher resolution means smoother graphics at cost of "
                     "performance (graphics card). Default is 800x600.");
    label(box, "Label1", "Color Depth", 8, 56);
    CDCombo = comboBox(box, "CDCombo", Depths, 72, 56, 57,
                       "Here you can set the color depth. In 32 Bit mode more colors are displayed at cost of "
                       "performance (graphics card). Default is 16 Bit.");
    label(box, "Label7", "Refresh Rate", 8, 88);
    RRCombo = comboBox(box, "RRCombo", {}, 80, 88, 65,
                       "Here you can specify the refresh rate. It is recommended to use the highest value available. "
                       "You can only set values supported by your hardware (monitor, graphics  card).");
    label(box, "Label2", "Modeldetail", 8, 120);
    MDCombo = comboBox(box, "MDCombo", Levels, 88, 120, 65,
                       "Here you can set the detail of the models. The lower the more performance. Default is low.");
    label(box, "Label3", "Animationquality", 8, 152);
    AQCombo = comboBox(box, "AQCombo", Levels, 88, 152, 65,
                       "Here you can set the quality of animations. If you are low on RAM (128 MB) set it to Low. "
                       "Default is Medium.");
    label(box, "Label4", "Texturequality", 8, 184);
    TQCombo = comboBox(box, "TQCombo", Levels, 88, 184, 65,
                       "Here you can specify the quality of the textures. If you have a weak graphics card choose a "
                       "lower value. Default is Medium.");
    label(box, "Label5", "Particles", 8, 216);
    PCombo = comboBox(box, "PCombo", Levels, 88, 216, 65,
                      "Here you can set the quality/amount of particles (fire, footsteps,...). Higher values means "
                      "better graphics at cost of performance (CPU). Default is Medium.");
    label(box, "Label6", "Lights", 8, 248);
    LCombo = comboBox(box, "LCombo", Levels, 88, 248, 65,
                      "Sets the number of lights used at one time in Warcraft III. Low = 1 light, Medium = 4 lights, "
                      "High = 8 lights. If your graphics card has only 16 MB RAM set it to Low. Default is High.");
    USCB = checkBox(box, "USCB", "Unit - Shadows", 8, 280, 97,
                    "Here you can enable/disable shadows of units. Default is enabled.");
    OCB = checkBox(box, "OCB", "Occlusion", 8, 304, 73,
                   "Here you can enable/disable occlusion. If enabled, trees will get transparent if units are "
                   "behind them. Default is enabled.");
    label(box, "Label18", "Gamma (1-100)", 8, 328);
    GammaTrackBar = slider(box, "GammaTrackBar", 8, 344, 145,
                           "Here you can set Gamma. The higher the value the brighter the screen in Warcraft III. "
                           "Default is 25.");
    GammaCount = countLabel(box, "GammaCount", 160, 345);
    auto* expert = groupBox(box, "VESGroupBox", "Expert Settings", 8, 376, 169, 105);
    label(expert, "Label27", "Mipmap Detail", 8, 24);
    MipCombo = comboBox(expert, "MipCombo", {"0", "1", "2"}, 80, 20, 49,
                        "You can choose a value from 0 to 2 for Mipmap Detail. The lower the value the smoother the "
                        "graphics of Warcraft III will be at cost of performance.");
    label(expert, "Label28", "Texture Color Depth", 8, 56);
    TCDCombo = comboBox(expert, "TCDCombo", Depths, 104, 52, 57,
                        "Here you can set the color depth for textures. In 32 Bit mode more colors are displayed at "
                        "cost of performance (graphics card). Default is 16 Bit.");
    OGLCB = checkBox(expert, "OGLCB", "OpenGL Mode", 8, 80, 97,
                     "If this option is enabled both Warcraft III and the World Editor will use OpenGL as graphics "
                     "system.");
    VAS = applyButton(box, "VAS", 16, 488);
    connect(VAS, &QPushButton::clicked, this, &TMainForm::VASClick);
    tabs.add(ResCB, 0);
    tabs.add(CDCombo, 1);
    tabs.add(MDCombo, 2);
    tabs.add(AQCombo, 3);
    tabs.add(TQCombo, 4);
    tabs.add(PCombo, 5);
    tabs.add(LCombo, 6);
    tabs.add(GammaTrackBar, 7);
    tabs.add(VAS, 8);
    tabs.add(expert, 9);
    tabs.add(USCB, 10);
    tabs.add(OCB, 11);
    tabs.add(RRCombo, 12);
    tabs.add(TCDCombo, 0);
    tabs.add(MipCombo, 1);
    tabs.add(OGLCB, 2);
}

void TMainForm::buildSound(TabOrder& tabs, QWidget* box)
{
    SFXCB = checkBox(box, "SFXCB", "SFX Volume (1-100)", 8, 24, 113,
                     "Here you can enable/disable SFX. Default is enabled (if you have a sound card).");
    SFXTrackBar = slider(box, "SFXTrackBar", 8, 48, 145, "Here you can specify the volume of the SFX. Default is 100.");
    SFXCount = countLabel(box, "SFXCount", 160, 48);
    MCB = checkBox(box, "MCB", "Music Volume (1-100)", 8, 80, 121,
                   "Here you can enable/disable music. Default is enabled (if you have a sound card).");
    MusicTrackBar = slider(box, "MusicTrackBar", 8, 104, 145,
                           "Here you can specify the volume of the music. Default is 80.");
    MusicCount = countLabel(box, "MusicCount", 160, 104);
    EnvCB = checkBox(box, "EnvCB", "Environmental", 8, 136, 89,
                     "This enables/disabled environmental sounds. Default is enabled.");
    MovCB = checkBox(box, "MovCB", "Movement", 8, 160, 73,
                     "If this is enabled units will make a noise when they move. Default is enabled.");
    URCB = checkBox(box, "URCB", "Unit Response", 8, 184, 89,
                    "This enables/disables unit sounds (responses,...). Default is enabled.");
    STCB = checkBox(box, "STCB", "Subtitles", 8, 208, 65,
                    "This enables/disables the subtitles in the cinematics. Default is disabled.");
    PosCB = checkBox(box, "PosCB", "3D - Sound", 8, 232, 73,
                     "This enables/disables 3D - Sound. If this is enabled, sounds will be like they would be in "
                     "reality (if you are close to them they are louder...) at cost of performance (CPU). Default is "
                     "enabled.");
    AmbCB = checkBox(box, "AmbCB", "Ambient", 8, 256, 57, nullptr);
    label(box, "Label17", "Sound - System:", 8, 288);
    SndSysCombo = comboBox(box, "SndSysCombo", {"Dolby Surround", "Miles Emulated 3D", "Creative Labs EAX2 (tm)"}, 8,
                           312, 145,
                           "Choose a appropriate sound system that fits to your hardware. Note: Creative Labs EAX2 "
                           "(tm) will only work if you have a Creative Soundcard that supports EAX2. Default is Miles "
                           "Emulated 3D.");
    auto* expert = groupBox(box, "SESGroupBox", "Expert Settings", 8, 352, 105, 65);
    MidiCB = checkBox(expert, "MidiCB", "Midi", 8, 16, 41, nullptr);
    SoftMidiCB = checkBox(expert, "SoftMidiCB", "Software Midi", 8, 40, 89, nullptr);
    SAS = applyButton(box, "SAS", 16, 424);
    connect(SAS, &QPushButton::clicked, this, &TMainForm::SASClick);
    tabs.add(SFXCB, 0);
    tabs.add(MCB, 1);
    tabs.add(MovCB, 2);
    tabs.add(URCB, 3);
    tabs.add(STCB, 4);
    tabs.add(PosCB, 5);
    tabs.add(AmbCB, 6);
    tabs.add(SndSysCombo, 7);
    tabs.add(SFXTrackBar, 8);
    tabs.add(MusicTrackBar, 9);
    tabs.add(SAS, 10);
    tabs.add(expert, 11);
    tabs.add(EnvCB, 12);
    tabs.add(SoftMidiCB, 0);
    tabs.add(MidiCB, 1);
}

void TMainForm::buildMisc(TabOrder& tabs, QWidget* box)
{
    label(box, "Label19", "Campaign Profile", 8, 24);
    CPCombo = comboBox(box, "CPCombo", {}, 96, 24, 113, "Here you can choose the current player profile.");
    Rename = button(box, "Rename", "Rename", 216, 24, 57,
                    "If you click here, you'll be asked for a new name for the current profile. If you confirmed a "
                    "new name it'll be immediately saved.");
    auto* accounts = groupBox(box, "GroupBox1", "Battle.net Account Name", 8, 56, 233, 49);
    BnetName = comboBox(accounts, "BnetName", {}, 16, 20, 105,
                        "Here you can choose one of the Battle.net account names that are in the list.");
    AddBnet = button(accounts, "AddBnet", "Add", 128, 24, 33,
                     "If you click her you'll be asked for the new account name. If you confirm this, it'll be added "
                     "to the list.");
    DelBnet = button(accounts, "DelBnet", "Delete", 168, 24, 57,
                     "If you click here, the currently selected account name will be deleted from the list.");
    label(box, "Label21", "LAN Username", 8, 120);
    LANName = edit(box, "LANName", 88, 120, 97, "Here you can enter the username for LAN.");
    IMCB = checkBox(box, "IMCB", "Intro Movie", 8, 152, 73,
                    "If this option is enabled, Warcraft III will show the Intro movie again. When you have seen it, "
                    "it'll be disabled by Warcraft III.  ");
    label(box, "Label23", "Path for Savegames", 8, 176);
    PS = edit(box, "PS", 8, 192, 225, "This is the current path for savegames. You can enter a new one.");
    CPS = button(box, "CPS", "Choose", 240, 192, 57, "Click here to choose a new folder for savegames.");
    label(box, "Label24", "Path for Replays", 8, 224);
    PR = edit(box, "PR", 8, 240, 225, "This is the current path for replays. You can enter a new one.");
    CPR = button(box, "CPR", "Choose", 240, 240, 57, "Click here to choose a new folder for replays.");
    label(box, "Label25", "Path for Logs", 8, 272);
    PL = edit(box, "PL", 8, 288, 225, "This is the current path for logs. You can enter a new one.");
    CPL = button(box, "CPL", "Choose", 240, 288, 57, "Click here to choose a new folder for logs.");
    label(box, "Label26", "Path for Error reports", 8, 320);
    PE = edit(box, "PE", 8, 336, 225, "This is the current path for error reports. You can enter a new one.");
    CPE = button(box, "CPE", "Choose", 240, 336, 57, "Click here to choose a new folder for error reports.");
    ALFCB = checkBox(box, "ALFCB", "Allow Local Files", 8, 368, 97,
                     "If this option is enabled, Warcraft III will use files from folders (similar to WorldEdit). By "
                     "default this option is disabled.");
    RemLoFiKey = button(box, "RemLoFiKey", "Remove \"Allow Local Files\" Value", 120, 368, 169,
                        "This deletes the value \"Allow Local Files\" in the Warcraft III main registry key "
                        "(HKEY_CURRENT_USER\\Software\\Blizzard Entertainment\\Warcraft III\\).");
    MAS = applyButton(box, "MAS", 80, 400);
    connect(MAS, &QPushButton::clicked, this, &TMainForm::MASClick);
    connect(Rename, &QPushButton::clicked, this, &TMainForm::RenameClick);
    connect(AddBnet, &QPushButton::clicked, this, &TMainForm::AddBnetClick);
    connect(DelBnet, &QPushButton::clicked, this, &TMainForm::DelBnetClick);
    connect(CPS, &QPushButton::clicked, this, &TMainForm::CPSClick);
    connect(CPR, &QPushButton::clicked, this, &TMainForm::CPRClick);
    connect(CPL, &QPushButton::clicked, this, &TMainForm::CPLClick);
    connect(CPE, &QPushButton::clicked, this, &TMainForm::CPEClick);
    connect(RemLoFiKey, &QPushButton::clicked, this, &TMainForm::RemLoFiKeyClick);
    tabs.add(LANName, 0);
    tabs.add(MAS, 1);
    tabs.add(CPS, 2);
    tabs.add(PS, 3);
    tabs.add(PR, 4);
    tabs.add(CPR, 5);
    tabs.add(PL, 6);
    tabs.add(CPL, 7);
    tabs.add(PE, 8);
    tabs.add(CPE, 9);
    tabs.add(CPCombo, 10);
    tabs.add(Rename, 11);
    tabs.add(ALFCB, 12);
    tabs.add(IMCB, 13);
    tabs.add(RemLoFiKey, 14);
    tabs.add(accounts, 15);
    tabs.add(BnetName, 0);
    tabs.add(AddBnet, 1);
    tabs.add(DelBnet, 2);
}

void TMainForm::connectChangeEvents()
{
    for (QComboBox* list : {ResCB, CDCombo, RRCombo, MDCombo, AQCombo, TQCombo, PCombo, LCombo, MipCombo, TCDCombo,
                            SndSysCombo, CPCombo, BnetName})
        connect(list, &QComboBox::activated, this, &TMainForm::UpdButinvClick);
    for (QSlider* bar : {MSTrackBar, KSTrackBar, GammaTrackBar, SFXTrackBar, MusicTrackBar})
        connect(bar, &QSlider::valueChanged, this, &TMainForm::UpdButinvClick);
    for (QLineEdit* field : {NetGP, LANName, PS, PR, PL, PE})
        connect(field, &QLineEdit::textChanged, this, &TMainForm::UpdButinvClick);
    for (QCheckBox* box : {MSCB, TTCB, USCB, OCB, OGLCB, SFXCB, MCB, EnvCB, MovCB, URCB, STCB, PosCB, AmbCB, MidiCB,
                           SoftMidiCB, IMCB, ALFCB})
        connect(box, &QCheckBox::clicked, this, &TMainForm::UpdButinvClick);
}

void TMainForm::buildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu");
    const auto item = [this](const char* name, const char* caption, const QKeySequence& shortcut, auto handler) {
        auto* action = new QAction(caption, this);
        action->setObjectName(name);
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, handler);
        addAction(action); // the shortcut works from every control
        return action;
    };
    QMenu* file = bar->addMenu("&File");
    file->setObjectName("CMFile");
    CMFileReloadCFG = item("CMFileReloadCFG", "&Reload Configuration from Registry", Qt::Key_F5,
                           &TMainForm::CMFileReloadCFGClick);
    CMFileLoadConfig = item("CMFileLoadConfig", "&Load Configuration", QKeySequence(Qt::CTRL | Qt::Key_L),
                            &TMainForm::CMFileLoadConfigClick);
    CMFileSaveConfig = item("CMFileSaveConfig", "&Save Configuration", QKeySequence(Qt::CTRL | Qt::Key_S),
                            &TMainForm::CMFileSaveConfigClick);
    CMFileClose = item("CMFileClose", "&Quit", QKeySequence(Qt::CTRL | Qt::Key_Q), &TMainForm::CMFileCloseClick);
    file->addAction(CMFileReloadCFG);
    file->addAction(CMFileLoadConfig);
    file->addAction(CMFileSaveConfig);
    file->addSeparator()->setObjectName("N1");
    file->addAction(CMFileClose);
    // Two items of the bar itself act at once.
    CMOptions = item("CMOptions", "Options...", {}, &TMainForm::CMOptionsClick);
    CMRegCleanUp = item("CMRegCleanUp", "Registry Cleanup", Qt::Key_F6, &TMainForm::CMRegCleanUpClick);
    bar->addAction(CMOptions);
    bar->addAction(CMRegCleanUp);
    QMenu* help = bar->addMenu("&Help");
    help->setObjectName("CMHelp");
    CMHelpReadme = item("CMHelpReadme", "View Readme...", Qt::Key_F1, &TMainForm::CMHelpReadmeClick);
    CMHelpInfo = item("CMHelpInfo", "&About", {}, &TMainForm::CMHelpInfoClick);
    help->addAction(CMHelpReadme);
    help->addAction(CMHelpInfo);
}

void TMainForm::buildFileDialogs()
{
    const QString filter = "Orvane Configuration (*.ini)";
    SaveConfigDlg = new QFileDialog(this, "Choose a name or a file for the new Configuration", {}, filter);
    SaveConfigDlg->setObjectName("SaveConfigDlg");
    SaveConfigDlg->setAcceptMode(QFileDialog::AcceptSave);
    SaveConfigDlg->setFileMode(QFileDialog::AnyFile);
    SaveConfigDlg->setDefaultSuffix("ini");
    SaveConfigDlg->setOption(QFileDialog::DontConfirmOverwrite, false);
    SaveConfigDlg->setOption(QFileDialog::ReadOnly, false);
    SaveConfigDlg->setSizeGripEnabled(true);
    LoadConfigDlg = new QFileDialog(this, "Select a Configuration to load", {}, filter);
    LoadConfigDlg->setObjectName("LoadConfigDlg");
    LoadConfigDlg->setAcceptMode(QFileDialog::AcceptOpen);
    LoadConfigDlg->setFileMode(QFileDialog::ExistingFile);
    LoadConfigDlg->setDefaultSuffix("ini");
    LoadConfigDlg->setSizeGripEnabled(true);
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

} // namespace orvane
