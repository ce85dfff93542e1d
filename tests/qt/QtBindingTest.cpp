// The Qt window over the shared logic: every control under its name and in
// its place, captions whole, the events, shortcuts, tool tips, tab order,
// the dialogs' ways out and the message boxes. The file dialogs have their
// own file.
#include "app/MainWindow.h"
#include "controls/TabOrder.h"
#include "tests/qt/QtWindowFixture.h"
#include "tests/support/QtPrinting.h"
#include "ui/qt/QtMessageBoxes.h"
#include "ui/qt/QtToolkit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QStatusBar>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace orvane {
namespace {

using test::qt;
using test::QtWindow;

TEST_F(QtWindow, EveryControlExistsOnceUnderItsNameAtItsPlace)
{
    for (const LayoutRow& row : mainWindowLayout().controls) {
        if (row.kind == ControlKind::StatusBar)
            continue;
        const QList<QObject*> found = main->findChildren<QObject*>(qt(row.name));
        ASSERT_EQ(found.size(), 1) << row.name;
        auto* placed = qobject_cast<QWidget*>(found[0]);
        if (!placed || row.kind == ControlKind::Menu || row.kind == ControlKind::Separator)
            continue;
        EXPECT_EQ(placed->parentWidget()->objectName(), row.parent.empty() ? "ClientArea" : qt(row.parent)) << row.name;
        EXPECT_EQ(placed->pos(), QPoint(row.left, row.top)) << row.name;
        EXPECT_EQ(placed->height(), row.height) << row.name;
        EXPECT_GE(placed->width(), row.width) << row.name;
        EXPECT_EQ(placed->toolTip(), qt(row.hint)) << row.name;
    }
    EXPECT_FALSE(widget("UpdButinv")->isVisibleTo(main));
    EXPECT_EQ(widget<QPushButton>("RemLoFiKey")->text(), "Remove \"Allow Local Files\" Value");
}

TEST_F(QtWindow, NoCaptionIsCutAndNothingOverlaps)
{
    showActive();
    for (auto* label : main->findChildren<QLabel*>()) {
        if (label->parentWidget()->objectName().startsWith("Status") || label->objectName().startsWith("Status"))
            continue;
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text())) << label->objectName().toStdString();
    }
    for (auto* box : main->findChildren<QCheckBox*>())
        EXPECT_GE(box->width(), box->sizeHint().width() - 4) << box->objectName().toStdString();
    for (auto* button : main->findChildren<QPushButton*>())
        EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(button->text())) << button->objectName().toStdString();
    // Siblings in one box do not run into each other.
    for (auto* container : main->findChildren<QWidget*>()) {
        QList<QWidget*> children;
        for (QObject* child : container->children())
            if (auto* w = qobject_cast<QWidget*>(child); w && w->isVisibleTo(main) && !w->isWindow())
                children << w;
        for (int i = 0; i < children.size(); ++i)
            for (int j = i + 1; j < children.size(); ++j)
                EXPECT_FALSE(children[i]->geometry().intersects(children[j]->geometry()))
                    << children[i]->objectName().toStdString() << " and " << children[j]->objectName().toStdString();
    }
    // The expert boxes' check boxes sit below their caption, clear of the frame.
    for (const char* name : {"MidiCB", "OGLCB"}) {
        auto* box = qobject_cast<QGroupBox*>(widget(name)->parentWidget());
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect caption = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        EXPECT_GT(widget(name)->geometry().top(), caption.bottom()) << name;
    }
}

TEST_F(QtWindow, TheWindowIsFixedWithThreeCentredStatusPanels)
{
    showActive();
    EXPECT_EQ(main->centralWidget()->size(), widget("ClientArea")->size()); // it fits the screen: no scrolling
    const WindowLayout& layout = mainWindowLayout();
    EXPECT_EQ(widget("ClientArea")->width(), layout.clientWidth);
    EXPECT_EQ(widget("ClientArea")->height() + main->statusBar()->height(), layout.clientHeight);
    EXPECT_EQ(main->minimumSize(), main->maximumSize());
    EXPECT_TRUE(main->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(main->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(main->windowTitle(), "Orvane");
    const auto statusBar = std::find_if(layout.controls.begin(), layout.controls.end(),
                                        [](const LayoutRow& row) { return row.name == "StatusBar"; });
    ASSERT_NE(statusBar, layout.controls.end());
    const std::vector<int>& widths = statusBar->panelWidths;
    ASSERT_EQ(widths.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const auto* label = main->statusBar()->findChild<QLabel*>(QString("StatusPanel%1").arg(i));
        ASSERT_TRUE(label);
        EXPECT_EQ(label->width(), widths[static_cast<size_t>(i)]);
        EXPECT_EQ(label->alignment(), Qt::AlignCenter);
        EXPECT_EQ(label->text(), qt(panel(i)));
        EXPECT_GE(label->contentsRect().height(), label->fontMetrics().height()) << "descenders cut";
    }
    // Where the settings are kept shows as panel 0's tool tip.
    form().window().statusBar("StatusBar").setPanelHint(0, "Settings of the Wine prefix /p");
    EXPECT_EQ(widget<QLabel>("StatusPanel0")->toolTip(), "Settings of the Wine prefix /p");
}

TEST_F(QtWindow, TheMenusShowTheMenuBarsFont)
{
    for (const char* name : {"CMFile", "CMHelp"})
        EXPECT_EQ(main->findChild<QMenu*>(name)->font().toString(), main->menuBar()->font().toString()) << name;
}

TEST_F(QtWindow, TabVisitsTheBoxesVideoSoundGameplayMiscellaneous)
{
    std::vector<std::string> expected;
    for (const LayoutRow* row : tabChain(mainWindowLayout()))
        if (!row->hidden)
            expected.push_back(row->name);
    std::vector<std::string> chain;
    QWidget* first = widget("ResCB");
    QWidget* current = first;
    do {
        if (current->isVisibleTo(main) && (current->focusPolicy() & Qt::TabFocus) && !current->objectName().isEmpty() &&
            current->objectName() != "ClientArea")
            chain.push_back(current->objectName().toStdString());
        current = current->nextInFocusChain();
    } while (current != first);
    EXPECT_EQ(chain, expected);
}

TEST_F(QtWindow, TheUsersActsReachTheLogicAndTheProgramsDoNot)
{
    showActive();
    QTest::mouseClick(widget<QCheckBox>("SFXCB"), Qt::LeftButton, {}, QPoint(4, 8));
    EXPECT_FALSE(check("SFXCB").checked());
    EXPECT_FALSE(widget("SFXTrackBar")->isEnabled()); // the logic's change, shown
    EXPECT_EQ(panel(1), "Changes have been made!");
    EXPECT_EQ(widget<QLabel>("StatusPanel1")->text(), "Changes have been made!");

    auto* resolution = widget<QComboBox>("ResCB");
    resolution->setFocus();
    QTest::keyClick(resolution, Qt::Key_Down);
    EXPECT_EQ(list("ResCB").text(), "1024x768");
    EXPECT_EQ(state().settings.reswidth, 1024);

    widget<QSlider>("GammaTrackBar")->setValue(40); // as a drag does
    EXPECT_EQ(state().settings.gamma, 40);
    EXPECT_EQ(widget<QLabel>("GammaCount")->text(), "40");

    QTest::keyClicks(widget<QLineEdit>("LANName"), "X");
    EXPECT_EQ(edit("LANName").text(), "PlayerX");
}

class QtWindowWithLongPort : public QtWindow {
protected:
    void beforeStart() override { game.setInteger(schema::GameplayKey, "netgameport", 100000); }
};

TEST_F(QtWindowWithLongPort, ThePortFieldShowsTheStoredTextWholeAndLimitsOnlyTyping)
{
    auto* port = widget<QLineEdit>("NetGP");
    EXPECT_EQ(port->text(), "100000");
    port->setFocus();
    port->end(false);
    QTest::keyClick(port, Qt::Key_1);
    EXPECT_EQ(port->text(), "100000"); // no more typing beyond five
    QTest::keyClick(port, Qt::Key_Backspace);
    EXPECT_EQ(port->text(), "10000"); // shortening is typing too
    port->selectAll();
    QTest::keyClicks(port, "123456");
    EXPECT_EQ(port->text(), "12345");
}

TEST_F(QtWindow, ShortcutsWorkFromAnyControl)
{
    showActive();
    moveSlider("KSTrackBar", 70);
    game.setInteger(schema::GameplayKey, "keyscroll", 77);
    QTest::keyClick(widget("NetGP"), Qt::Key_F5);
    EXPECT_EQ(widget<QSlider>("KSTrackBar")->value(), 77);
    QSignalSpy quit(main->findChild<QAction*>("CMFileClose"), &QAction::triggered);
    QTest::keyClick(widget("ResCB"), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(quit.count(), 1);
    const auto* reload = main->findChild<QAction*>("CMFileReloadCFG");
    EXPECT_EQ(reload->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(main->findChild<QAction*>("CMFileLoadConfig")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
}

TEST_F(QtWindow, EveryButtonAndMenuItemIsLiveAndTheirWidgetsShowIt)
{
    for (const char* name : {"GAS", "VAS", "SAS", "MAS", "AddBnet", "DelBnet", "Rename", "RemLoFiKey", "CPS", "CPR",
                             "CPL", "CPE"})
        EXPECT_TRUE(widget(name)->isEnabled()) << name;
    for (const char* name : {"CMFileReloadCFG", "CMFileLoadConfig", "CMFileSaveConfig", "CMRegCleanUp", "CMOptions",
                             "CMHelpReadme", "CMHelpInfo", "CMFileClose"})
        EXPECT_TRUE(main->findChild<QAction*>(name)->isEnabled()) << name;
    // What the program disables, the widget shows disabled.
    control("CMRegCleanUp").setEnabled(false);
    EXPECT_FALSE(main->findChild<QAction*>("CMRegCleanUp")->isEnabled());
    check("SFXCB").userClick();
    EXPECT_FALSE(widget("SFXTrackBar")->isEnabled());
}

TEST_F(QtWindow, ADialogLeftByEscapeOrTheWindowManagerEnablesTheMainWindow)
{
    showActive();
    QWidget* dialog = qtToolkit.widget(windows->accountName->window());
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->windowTitle(), "Add a Battle.net account name to the list");
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(dialog->size(), QSize(330, 72));
    for (int way = 0; way < 2; ++way) {
        QTest::mouseClick(widget<QPushButton>("AddBnet"), Qt::LeftButton);
        ASSERT_TRUE(dialog->isVisible());
        EXPECT_FALSE(main->isEnabled());
        if (way == 0)
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            dialog->close();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_TRUE(main->isEnabled());
        EXPECT_TRUE(mainWindow().enabled());
    }
}

TEST_F(QtWindow, TheRenameDialogIsBuiltFromItsLayout)
{
    showActive();
    QTest::mouseClick(widget<QPushButton>("Rename"), Qt::LeftButton);
    QWidget* dialog = qtToolkit.widget(windows->profileRename->window());
    ASSERT_TRUE(dialog && dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), "Rename Campaign Profile");
    EXPECT_EQ(dialog->size(), QSize(355, 104));
    auto* oldName = dialog->findChild<QLineEdit*>("OldCPName");
    EXPECT_FALSE(oldName->isEnabled());
    EXPECT_EQ(oldName->text(), "Player");
    auto* newName = dialog->findChild<QLineEdit*>("NewCPName");
    newName->clear();
    QTest::keyClicks(newName, "A name far longer than fifteen");
    EXPECT_EQ(newName->text(), "A name far long");
    EXPECT_EQ(dialog->findChild<QLabel*>("Label3")->text(), "(max. 15 characters)");
    QTest::mouseClick(dialog->findChild<QPushButton*>("RenCPCancel"), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(main->isEnabled());
}

TEST_F(QtWindow, TheAboutBoxsLinksAreBoldInThePalettesLinkColourWithTheStandardPointer)
{
    showActive();
    main->findChild<QAction*>("CMHelpInfo")->trigger();
    QWidget* box = qtToolkit.widget(windows->about->window());
    ASSERT_TRUE(box && box->isVisible());
    EXPECT_EQ(box->size(), QSize(273, 120));
    QPalette dark = box->palette(); // as a dark desktop theme gives it
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Link, QColor(0x8a, 0xb4, 0xf8));
    box->setPalette(dark);
    for (const char* name : {"lbMail", "lbWeb"}) {
        auto* link = box->findChild<QLabel*>(name);
        ASSERT_TRUE(link) << name;
        link->ensurePolished();
        EXPECT_TRUE(link->font().bold()) << name;
        EXPECT_EQ(link->palette().color(link->foregroundRole()), QColor(0x8a, 0xb4, 0xf8)) << name;
        EXPECT_EQ(link->cursor().shape(), Qt::ArrowCursor) << name;
        EXPECT_GE(link->width(), link->fontMetrics().horizontalAdvance(link->text())) << name;
    }
    QTest::mouseClick(box->findChild<QLabel*>("lbWeb"), Qt::LeftButton);
    EXPECT_EQ(starter.links.size(), 1u);
    EXPECT_EQ(box->findChild<QLabel*>("lbWeb")->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    QTest::mouseClick(box->findChild<QPushButton*>("butOK"), Qt::LeftButton);
    EXPECT_FALSE(box->isVisible());
    EXPECT_TRUE(main->isEnabled());
}

TEST_F(QtWindow, TheFolderTreeOpensAnEntryOnActivationAndOnlyHighlightsOnAClick)
{
    showActive();
    QTest::mouseClick(widget<QPushButton>("CPS"), Qt::LeftButton);
    QWidget* chooser = qtToolkit.widget(windows->folders->window());
    ASSERT_TRUE(chooser && chooser->isVisible());
    auto* tree = chooser->findChild<QListWidget*>("DirListBox");
    ASSERT_TRUE(tree);
    const QList<QListWidgetItem*> save = tree->findItems("save", Qt::MatchExactly);
    ASSERT_EQ(save.size(), 1);
    tree->setCurrentItem(save[0]); // a click: highlighted only
    EXPECT_EQ(windows->folders->openFolder(), game.installPath());
    emit tree->itemActivated(save[0]); // a double click or Enter
    EXPECT_EQ(windows->folders->openFolder(), game.installPath() + "\\save");
    EXPECT_EQ(tree->currentItem()->text(), "save");
    QTest::mouseClick(chooser->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    EXPECT_EQ(widget<QLineEdit>("PS")->text(), QString::fromStdString(game.installPath() + "\\save"));
    EXPECT_TRUE(main->isEnabled());
}

TEST_F(QtWindow, MessageBoxesHaveTheirCaptionIconAndButtons)
{
    QtMessageBoxes real;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        caption = box->windowTitle();
        icon = box->icon();
        box->button(QMessageBox::No)->click();
    });
    const MessageAnswer answer =
        real.show({MessageId::CleanupQuestion, "Question", "Do it?", MessageIcon::Question, MessageButtons::YesNo});
    EXPECT_EQ(answer, MessageAnswer::No);
    EXPECT_EQ(caption, "Question");
    EXPECT_EQ(icon, QMessageBox::Question);
}

} // namespace
} // namespace orvane
