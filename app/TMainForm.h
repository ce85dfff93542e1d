#pragma once
#include <QMainWindow>

#include <array>
#include <string_view>

class QAction;
class QCheckBox;
class QComboBox;
class QFileDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace orvane {

class ClickableImage;
class TAddBnetForm;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);

    // The add-account dialog, created after the main window.
    void setAddBnetForm(TAddBnetForm* form);

    void LoadRegData();
    void ReadBnetUsers();
    void UseRegData();
    void ChangeSettings();
    void SaveSettings(std::string_view group);
    void Shutdown();

public slots:
    void UpdButinvClick();
    void GASClick();
    void VASClick();
    void SASClick();
    void MASClick();
    void AddBnetClick();
    void DelBnetClick();
    void RenameClick();
    void CPSClick();
    void CPRClick();
    void CPLClick();
    void CPEClick();
    void RemLoFiKeyClick();
    void W3IconClick();
    void WEIconClick();
    void CMFileReloadCFGClick();
    void CMFileLoadConfigClick();
    void CMFileSaveConfigClick();
    void CMFileCloseClick();
    void CMOptionsClick();
    void CMRegCleanUpClick();
    void CMHelpReadmeClick();
    void CMHelpInfoClick();
    void ShtdwnClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void buildControls(QWidget* client);
    void buildGameplay(class TabOrder& tabs, QWidget* box);
    void buildVideo(TabOrder& tabs, QWidget* box);
    void buildSound(TabOrder& tabs, QWidget* box);
    void buildMisc(TabOrder& tabs, QWidget* box);
    void buildMenu();
    void buildFileDialogs();
    void buildStatusBar();
    void connectChangeEvents();
    // RefreshRateList for the record's screen mode, as RRCombo's item texts.
    QStringList listRefreshRates();
    void presentRefreshRates();
    void rebuildRefreshRates();

    std::array<QLabel*, 3> panels_{};
    TAddBnetForm* addBnetForm_ = nullptr;
    bool shutDown_ = false;

    // Gameplay
    QCheckBox* MSCB = nullptr;
    QSlider* MSTrackBar = nullptr;
    QLabel* MSCount = nullptr;
    QSlider* KSTrackBar = nullptr;
    QLabel* KSCount = nullptr;
    QCheckBox* TTCB = nullptr;
    QLineEdit* NetGP = nullptr;
    QPushButton* GAS = nullptr;
    // Video
    QComboBox* ResCB = nullptr;
    QComboBox* CDCombo = nullptr;
    QComboBox* RRCombo = nullptr;
    QComboBox* MDCombo = nullptr;
    QComboBox* AQCombo = nullptr;
    QComboBox* TQCombo = nullptr;
    QComboBox* PCombo = nullptr;
    QComboBox* LCombo = nullptr;
    QCheckBox* USCB = nullptr;
    QCheckBox* OCB = nullptr;
    QSlider* GammaTrackBar = nullptr;
    QLabel* GammaCount = nullptr;
    QComboBox* MipCombo = nullptr;
    QComboBox* TCDCombo = nullptr;
    QCheckBox* OGLCB = nullptr;
    QPushButton* VAS = nullptr;
    // Sound
    QCheckBox* SFXCB = nullptr;
    QSlider* SFXTrackBar = nullptr;
    QLabel* SFXCount = nullptr;
    QCheckBox* MCB = nullptr;
    QSlider* MusicTrackBar = nullptr;
    QLabel* MusicCount = nullptr;
    QCheckBox* EnvCB = nullptr;
    QCheckBox* MovCB = nullptr;
    QCheckBox* URCB = nullptr;
    QCheckBox* STCB = nullptr;
    QCheckBox* PosCB = nullptr;
    QCheckBox* AmbCB = nullptr;
    QComboBox* SndSysCombo = nullptr;
    QCheckBox* MidiCB = nullptr;
    QCheckBox* SoftMidiCB = nullptr;
    QPushButton* SAS = nullptr;
    // Miscellaneous
    QComboBox* CPCombo = nullptr;
    QPushButton* Rename = nullptr;
    QComboBox* BnetName = nullptr;
    QPushButton* AddBnet = nullptr;
    QPushButton* DelBnet = nullptr;
    QLineEdit* LANName = nullptr;
    QCheckBox* IMCB = nullptr;
    QLineEdit* PS = nullptr;
    QPushButton* CPS = nullptr;
    QLineEdit* PR = nullptr;
    QPushButton* CPR = nullptr;
    QLineEdit* PL = nullptr;
    QPushButton* CPL = nullptr;
    QLineEdit* PE = nullptr;
    QPushButton* CPE = nullptr;
    QCheckBox* ALFCB = nullptr;
    QPushButton* RemLoFiKey = nullptr;
    QPushButton* MAS = nullptr;
    // Outside the group boxes
    ClickableImage* W3Icon = nullptr;
    ClickableImage* WEIcon = nullptr;
    QPushButton* UpdButinv = nullptr;
    QPushButton* Shtdwn = nullptr;
    // Menu
    QAction* CMFileReloadCFG = nullptr;
    QAction* CMFileLoadConfig = nullptr;
    QAction* CMFileSaveConfig = nullptr;
    QAction* CMFileClose = nullptr;
    QAction* CMOptions = nullptr;
    QAction* CMRegCleanUp = nullptr;
    QAction* CMHelpReadme = nullptr;
    QAction* CMHelpInfo = nullptr;
    // Kept for the whole run, with the last chosen file name.
    QFileDialog* SaveConfigDlg = nullptr;
    QFileDialog* LoadConfigDlg = nullptr;
};

} // namespace orvane
