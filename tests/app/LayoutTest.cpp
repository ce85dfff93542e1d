// Facts of the window that a misplaced, misnamed or mis-wired control would
// break: names, places, tab order, shortcuts and tool tips.
#include "tests/app/OrvaneFixture.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace orvane {
namespace {

class Layout : public test::OrvaneFixture {
protected:
    void SetUp() override
    {
        OrvaneFixture::SetUp();
        ASSERT_EQ(start(), StartOutcome::Running);
    }
    void showActive()
    {
        form().show();
        form().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    }
    // The focusable controls in the order Tab visits them, from the first.
    std::vector<QString> tabChain()
    {
        std::vector<QString> names;
        QWidget* first = control("ResCB");
        QWidget* widget = first;
        do {
            if (widget->isVisibleTo(&form()) && (widget->focusPolicy() & Qt::TabFocus) && !widget->objectName().isEmpty())
                names.push_back(widget->objectName());
            widget = widget->nextInFocusChain();
        } while (widget != first);
        return names;
    }
};

TEST_F(Layout, EveryControlExistsOnceUnderItsName)
{
    const char* names[] = {
        "GameplayGroupBox", "VideoGroupBox", "SoundGroupBox", "MiscGroupBox", "VESGroupBox", "SESGroupBox",
        "GroupBox1", "MSCB", "MSTrackBar", "MSCount", "Label32", "KSTrackBar", "KSCount", "TTCB", "Label34", "NetGP",
        "GAS", "Resolution", "ResCB", "Label1", "CDCombo", "Label7", "RRCombo", "Label2", "MDCombo", "Label3",
        "AQCombo", "Label4", "TQCombo", "Label5", "PCombo", "Label6", "LCombo", "USCB", "OCB", "Label18",
        "GammaTrackBar", "GammaCount", "VAS", "Label27", "MipCombo", "Label28", "TCDCombo", "OGLCB", "SFXCB",
        "SFXTrackBar", "SFXCount", "MCB", "MusicTrackBar", "MusicCount", "EnvCB", "MovCB", "URCB", "STCB", "PosCB",
        "AmbCB", "Label17", "SndSysCombo", "SAS", "MidiCB", "SoftMidiCB", "Label19", "CPCombo", "Rename", "Label21",
        "LANName", "IMCB", "Label23", "PS", "CPS", "Label24", "PR", "CPR", "Label25", "PL", "CPL", "Label26", "PE",
        "CPE", "ALFCB", "RemLoFiKey", "MAS", "BnetName", "AddBnet", "DelBnet", "W3Icon", "WEIcon", "StatusBar",
        "UpdButinv", "Shtdwn", "MainMenu", "SaveConfigDlg", "LoadConfigDlg"};
    for (const char* name : names)
        EXPECT_EQ(form().findChildren<QObject*>(name).size(), 1) << name;
}

TEST_F(Layout, ControlsSitInTheirBoxesAtTheirPlaces)
{
    const std::vector<std::tuple<const char*, const char*, QRect>> places{
        {"ResCB", "VideoGroupBox", {64, 24, 81, 21}},     {"TCDCombo", "VESGroupBox", {104, 52, 57, 21}},
        {"MSTrackBar", "GameplayGroupBox", {8, 48, 145, 17}}, {"MAS", "MiscGroupBox", {80, 400, 153, 25}},
        {"BnetName", "GroupBox1", {16, 20, 105, 21}},     {"SoftMidiCB", "SESGroupBox", {8, 40, 89, 17}},
        {"VideoGroupBox", "ClientArea", {200, 8, 185, 521}}, {"WEIcon", "ClientArea", {456, 512, 49, 49}},
        {"UpdButinv", "ClientArea", {185, 272, 0, 0}},
    };
    for (const auto& [name, parent, place] : places) {
        QWidget* widget = control(name);
        EXPECT_EQ(widget->parentWidget()->objectName(), parent) << name;
        EXPECT_EQ(widget->geometry(), place) << name;
    }
    EXPECT_EQ(control<QGroupBox>("MiscGroupBox")->title(), "Miscellaneous");
    EXPECT_EQ(control<QPushButton>("RemLoFiKey")->text(), "Remove \"Allow Local Files\" Value");
    EXPECT_FALSE(control("UpdButinv")->isVisibleTo(&form()));
}

TEST_F(Layout, ListsArePickOnlyAndSlidersRunFromOneToAHundred)
{
    for (auto* list : form().findChildren<QComboBox*>())
        EXPECT_FALSE(list->isEditable()) << list->objectName().toStdString();
    for (const char* name : {"MSTrackBar", "KSTrackBar", "GammaTrackBar", "SFXTrackBar", "MusicTrackBar"}) {
        auto* bar = control<QSlider>(name);
        EXPECT_EQ(bar->minimum(), 1);
        EXPECT_EQ(bar->maximum(), 100);
        EXPECT_EQ(bar->orientation(), Qt::Horizontal);
        EXPECT_EQ(bar->tickPosition(), QSlider::TicksBelow);
        EXPECT_EQ(bar->tickInterval(), 1);
    }
    EXPECT_EQ(control<QLineEdit>("NetGP")->maxLength(), 5);
    QTest::keyClicks(control<QLineEdit>("NetGP"), "1234567");
    EXPECT_EQ(control<QLineEdit>("NetGP")->text().size(), 5);
}

TEST_F(Layout, TabRunsThroughVideoSoundGameplayAndMiscellaneous)
{
    const auto chain = tabChain();
    const auto at = [&](const char* name) { return std::find(chain.begin(), chain.end(), name) - chain.begin(); };
    const std::vector<const char*> order{
        "ResCB", "CDCombo", "MDCombo", "AQCombo", "TQCombo", "PCombo", "LCombo", "GammaTrackBar", "VAS", "TCDCombo",
        "MipCombo", "OGLCB", "USCB", "OCB", "RRCombo", "SFXCB", "MCB", "MovCB", "URCB", "STCB", "PosCB", "AmbCB",
        "SndSysCombo", "SFXTrackBar", "MusicTrackBar", "SAS", "SoftMidiCB", "MidiCB", "EnvCB", "MSCB", "MSTrackBar",
        "KSTrackBar", "NetGP", "GAS", "TTCB", "LANName", "MAS", "CPS", "PS", "PR", "CPR", "PL", "CPL", "PE", "CPE",
        "CPCombo", "Rename", "ALFCB", "IMCB", "RemLoFiKey", "BnetName", "AddBnet", "DelBnet"};
    for (size_t i = 1; i < order.size(); ++i)
        EXPECT_EQ(at(order[i]), at(order[i - 1]) + 1) << order[i - 1] << " then " << order[i];
}

TEST_F(Layout, ShortcutsWorkWhileAnyControlHasTheFocus)
{
    showActive();
    const std::vector<std::tuple<const char*, QKeySequence, const char*>> shortcuts{
        {"CMFileReloadCFG", Qt::Key_F5, "NetGP"},
        {"CMFileLoadConfig", QKeySequence(Qt::CTRL | Qt::Key_L), "ResCB"},
        {"CMFileSaveConfig", QKeySequence(Qt::CTRL | Qt::Key_S), "PS"},
        {"CMRegCleanUp", Qt::Key_F6, "MSTrackBar"},
        {"CMHelpReadme", Qt::Key_F1, "ALFCB"},
        {"CMFileClose", QKeySequence(Qt::CTRL | Qt::Key_Q), "BnetName"},
    };
    for (const auto& [name, keys, focus] : shortcuts) {
        QSignalSpy triggered(action(name), &QAction::triggered);
        control(focus)->setFocus();
        QTest::keySequence(control(focus), keys);
        EXPECT_EQ(triggered.count(), 1) << name;
    }
}

TEST_F(Layout, TheMenuBarHoldsTheFileMenuTwoCommandsAndHelp)
{
    QStringList captions;
    for (QAction* item : control<QMenuBar>("MainMenu")->actions())
        captions << item->text();
    EXPECT_EQ(captions, (QStringList{"&File", "Options...", "Registry Cleanup", "&Help"}));
    EXPECT_EQ(action("CMFileReloadCFG")->text(), "&Reload Configuration from Registry");
    EXPECT_TRUE(action("CMRegCleanUp")->isEnabled());
}

TEST_F(Layout, HintsAreToolTipsAndLabelsHaveNone)
{
    for (const char* name : {"AmbCB", "MidiCB", "SoftMidiCB", "VESGroupBox", "GroupBox1"})
        EXPECT_TRUE(control(name)->toolTip().isEmpty()) << name;
    for (auto* label : form().findChildren<QLabel*>()) {
        if (!label->inherits("orvane::ClickableImage")) {
            EXPECT_TRUE(label->toolTip().isEmpty()) << label->objectName().toStdString();
        }
    }
    EXPECT_EQ(control("W3Icon")->toolTip(), "Click here to run Warcraft III");
    EXPECT_EQ(control("AddBnet")->toolTip(),
              "If you click her you'll be asked for the new account name. If you confirm this, it'll be added to the "
              "list.");
    EXPECT_EQ(control("RRCombo")->toolTip(),
              "Here you can specify the refresh rate. It is recommended to use the highest value available. You can "
              "only set values supported by your hardware (monitor, graphics  card).");
}

TEST_F(Layout, TheFileDialogsKeepTheirSettings)
{
    auto* save = control<QFileDialog>("SaveConfigDlg");
    EXPECT_EQ(save->windowTitle(), "Choose a name or a file for the new Configuration");
    EXPECT_EQ(save->nameFilters(), QStringList{"Orvane Configuration (*.ini)"});
    EXPECT_EQ(save->defaultSuffix(), "ini");
    EXPECT_EQ(save->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(save->testOption(QFileDialog::DontConfirmOverwrite));
    auto* load = control<QFileDialog>("LoadConfigDlg");
    EXPECT_EQ(load->windowTitle(), "Select a Configuration to load");
    EXPECT_EQ(load->fileMode(), QFileDialog::ExistingFile);
}

} // namespace
} // namespace orvane
