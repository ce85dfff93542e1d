// The Qt window as keys, the pointer and assistive tools reach it: which
// window owns a dialog, what Enter does in fields and lists, links under
// the pointer, texts set without typing, and a long path in the status bar.
#include "app/MainFormLayout.h"
#include "controls/AccessibleNames.h"
#include "tests/qt/QtWindowFixture.h"
#include "tests/support/Files.h"
#include "tests/support/QtPrinting.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QWindow>

namespace orvane {
namespace {

using test::QtWindow;

TEST_F(QtWindow, EveryDialogIsOwnedByTheMainWindowSoItStaysAboveIt)
{
    showActive();
    const std::pair<const char*, Window*> openers[] = {{"AddBnet", &windows->AddBnetForm->window()},
                                                       {"Rename", &windows->RenCPForm->window()},
                                                       {"CPS", &windows->CDForm->window()}};
    for (const auto& [opener, window] : openers) {
        QTest::mouseClick(widget<QPushButton>(opener), Qt::LeftButton);
        QWidget* dialog = qtToolkit.widget(*window);
        ASSERT_TRUE(dialog && dialog->isVisible()) << opener;
        ASSERT_TRUE(dialog->windowHandle());
        EXPECT_EQ(dialog->windowHandle()->transientParent(), main->windowHandle()) << opener;
        EXPECT_FALSE(dialog->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)) << opener;
        QTest::keyClick(dialog, Qt::Key_Escape);
        EXPECT_TRUE(main->isEnabled()) << opener;
    }
}

TEST_F(QtWindow, EnterInAFieldPressesNoButton)
{
    showActive();
    main->findChild<QAction*>("CMOptions")->trigger();
    QWidget* options = qtToolkit.widget(windows->OptForm->window());
    ASSERT_TRUE(options->isVisible());
    auto* parameters = options->findChild<QLineEdit*>("ParamEdit");
    parameters->setFocus();
    QTest::keyClicks(parameters, "-window");
    QTest::keyClick(parameters, Qt::Key_Return);
    EXPECT_TRUE(files.shown.empty()) << "a Browse button answered Enter";
    EXPECT_TRUE(options->isVisible());
    for (QPushButton* button : options->findChildren<QPushButton*>())
        EXPECT_FALSE(button->isDefault() || button->autoDefault()) << button->objectName().toStdString();
}

TEST_F(QtWindow, EnterInTheFolderTreeOpensTheFolderAndKeepsTheChooserOpen)
{
    std::filesystem::create_directories(game.gameFolder() / "save" / "Deeper");
    showActive();
    QTest::mouseClick(widget<QPushButton>("CPS"), Qt::LeftButton);
    QWidget* chooser = qtToolkit.widget(windows->CDForm->window());
    auto* tree = chooser->findChild<QListWidget*>("DirListBox");
    tree->setFocus();
    for (const char* folder : {"save", "Deeper"}) {
        tree->setCurrentItem(tree->findItems(folder, Qt::MatchExactly).value(0));
        QTest::keyClick(tree, Qt::Key_Return);
        ASSERT_TRUE(chooser->isVisible()) << "Enter on " << folder << " closed the chooser";
    }
    EXPECT_EQ(windows->CDForm->openFolder(), game.installPath() + "\\save\\Deeper");
    EXPECT_EQ(edit("PS").text(), game.installPath() + "\\save");
    QTest::mouseClick(chooser->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    EXPECT_EQ(edit("PS").text(), game.installPath() + "\\save\\Deeper");
}

TEST_F(QtWindow, ALinkIsUnderlinedWhileThePointerIsOverIt)
{
    showActive();
    main->findChild<QAction*>("CMHelpInfo")->trigger();
    auto* link = qtToolkit.widget(windows->Proginfo->window())->findChild<QLabel*>("lbMail");
    EXPECT_FALSE(link->font().underline());
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(link, &enter);
    EXPECT_TRUE(link->font().underline());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(link, &leave);
    EXPECT_FALSE(link->font().underline());
}

TEST_F(QtWindow, ATextSetThroughTheAccessibilityInterfaceReachesTheLogic)
{
    showActive();
    auto* name = widget<QLineEdit>("LANName");
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(name);
    ASSERT_TRUE(accessible && accessible->editableTextInterface());
    accessible->editableTextInterface()->replaceText(0, static_cast<int>(name->text().size()), "Thrall");
    EXPECT_EQ(edit("LANName").text(), "Thrall");
    EXPECT_EQ(panel(1), "Changes have been made!");
    click("MAS");
    EXPECT_EQ(test::textIn(game, schema::StringKey, "userlocal"), "Thrall");
}

TEST_F(QtWindow, ALongConfigurationPathKeepsItsFileNameAndIsWholeInTheToolTip)
{
    const std::filesystem::path deep = game.scratch() / std::string(120, 'd') / "competitive.ini";
    test::writeFile(deep, "[Video]\r\ngamma=30\r\n");
    files.setNextFileName(deep.string());
    boxes.setNextAnswer(MessageAnswer::No);
    pressShortcut("Ctrl+L");
    auto* shown = main->statusBar()->findChild<QLabel*>("StatusPanel2");
    EXPECT_TRUE(shown->text().endsWith("competitive.ini")) << shown->text().toStdString();
    EXPECT_TRUE(shown->text().contains(QChar(0x2026))) << shown->text().toStdString();
    EXPECT_LE(shown->fontMetrics().horizontalAdvance(shown->text()), shown->width());
    EXPECT_EQ(shown->toolTip(), test::qt(deep.string()));
}

TEST_F(QtWindow, EveryControlTellsAssistiveToolsItsName)
{
    for (const LayoutRow& row : mainFormLayout().controls) {
        QWidget* control = main->findChild<QWidget*>(test::qt(row.name));
        const bool menu = row.kind == ControlKind::Menu || row.kind == ControlKind::MenuItem ||
                          row.kind == ControlKind::Separator;
        if (!control || menu || row.kind == ControlKind::StatusBar)
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        ASSERT_TRUE(accessible) << row.name;
        // Its name, or (lists, whose name is their text) the label it is labelled by.
        QStringList names{accessible->text(QAccessible::Name)};
        for (const auto& [label, relation] : accessible->relations(QAccessible::Label))
            names << label->text(QAccessible::Name);
        EXPECT_TRUE(names.contains(test::qt(accessibleName(mainFormLayout(), row))))
            << row.name << ": " << names.join(" | ").toStdString();
    }
    EXPECT_EQ(widget("KSTrackBar")->accessibleName(), "Keyboard Scrolling (1-100)");
}

} // namespace
} // namespace orvane
