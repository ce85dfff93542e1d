// The Qt window as window managers and assistive tools reach it: which
// window owns a dialog (also under a Wayland compositor), texts set without
// typing, every control's name, and a long path in the status bar.
#include "app/MainWindow.h"
#include "controls/AccessibleNames.h"
#include "tests/qt/QtWindowFixture.h"
#include "tests/support/Files.h"
#include "tests/support/QtPrinting.h"

#include <QAccessible>
#include <QAction>
#include <QAccessibleEditableTextInterface>
#include <QLabel>
#include <QLineEdit>
#include <QGuiApplication>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QStatusBar>
#include <QWindow>

namespace orvane {
namespace {

using test::QtWindow;

TEST_F(QtWindow, EveryDialogIsOwnedByTheMainWindowSoItStaysAboveIt)
{
    showActive();
    const std::pair<const char*, Window*> openers[] = {{"AddBnet", &windows->accountName->window()},
                                                       {"Rename", &windows->profileRename->window()},
                                                       {"CPS", &windows->folders->window()},
                                                       {"CMOptions", &windows->options->window()},
                                                       {"CMHelpInfo", &windows->about->window()},
                                                       {"CMFileRestore", &windows->restore->window()}};
    for (const auto& [opener, window] : openers) {
        QWidget* dialog = openDialog(opener, *window);
        ASSERT_TRUE(dialog && dialog->isVisible()) << opener;
        ASSERT_TRUE(dialog->windowHandle());
        EXPECT_EQ(dialog->windowHandle()->transientParent(), main->windowHandle()) << opener;
        EXPECT_FALSE(dialog->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)) << opener;
        QTest::keyClick(dialog, Qt::Key_Escape);
        EXPECT_TRUE(main->isEnabled()) << opener;
    }
}

// Qt's own Wayland decoration centres the title across the window and cuts
// it at its buttons: a dialog narrower than its title is widened there, its
// controls kept together in the middle. Under any other frame it keeps its size.
TEST_F(QtWindow, TheAccountDialogsTitleIsWholeInQtsOwnDecoration)
{
    showActive();
    click("AddBnet");
    QWidget* dialog = qtToolkit.widget(windows->accountName->window());
    ASSERT_TRUE(dialog && dialog->isVisible());
    QWidget* edit = dialog->findChild<QWidget*>("AddBnetEdit");
    QWidget* cancel = dialog->findChild<QWidget*>("AddBnetCancel");
    EXPECT_EQ(cancel->x() - edit->x(), 80); // as the layout places them
    if (!QGuiApplication::platformName().startsWith("wayland")) {
        EXPECT_EQ(dialog->size(), QSize(330, 72));
        QTest::keyClick(dialog, Qt::Key_Escape);
        return;
    }
    ASSERT_GT(dialog->windowHandle()->frameMargins().top(), 0) << "the compositor draws the frame";
    QFont drawn = QGuiApplication::font();
    drawn.setPixelSize(14);
    const int title = QFontMetrics(drawn).horizontalAdvance("Add a Battle.net account name to the list");
    EXPECT_GT(title, 250);
    // Centred, clear of three 18-pixel buttons and their margins on either side.
    const int frame = dialog->windowHandle()->frameMargins().left() + dialog->windowHandle()->frameMargins().right();
    EXPECT_GE(dialog->width() + frame, title + 2 * 77);
    EXPECT_EQ(dialog->height(), 72);
    EXPECT_EQ(edit->x(), 88 + (dialog->width() - 330) / 2);
    // Shown again, it is not widened twice.
    const QSize first = dialog->size();
    QTest::keyClick(dialog, Qt::Key_Escape);
    click("AddBnet");
    EXPECT_EQ(dialog->size(), first);
    EXPECT_EQ(edit->x(), 88 + (dialog->width() - 330) / 2);
    QTest::keyClick(dialog, Qt::Key_Escape);
}

// Where the platform tells the screen's free area the window has the client
// area's size and no other; a Wayland compositor tells none, so there the
// window may be made smaller, and its client area then scrolls.
TEST_F(QtWindow, TheWindowMayBeMadeSmallerWhereTheFreeAreaIsUnknown)
{
    showActive();
    auto* view = main->findChild<QScrollArea*>("ClientView");
    QWidget* client = widget("ClientArea");
    ASSERT_TRUE(view && client);
    EXPECT_EQ(view->viewport()->size(), client->size()); // all of it shown at first
    if (!QGuiApplication::platformName().startsWith("wayland")) {
        EXPECT_EQ(main->minimumSize(), main->maximumSize());
        return;
    }
    const QSize whole = main->size();
    EXPECT_EQ(main->maximumSize(), whole); // never larger than the client area needs
    EXPECT_LT(main->minimumSize().height(), whole.height() - 150);
    EXPECT_LT(main->minimumSize().width(), whole.width() - 200);
    main->resize(whole - QSize(200, 150));
    QTRY_COMPARE(main->size(), whole - QSize(200, 150));
    QTRY_VERIFY(view->verticalScrollBar()->isVisible());
    QTRY_VERIFY(view->horizontalScrollBar()->isVisible());
    view->ensureWidgetVisible(widget("MAS"));
    EXPECT_TRUE(view->viewport()->rect().contains(
        QRect(widget("MAS")->mapTo(view->viewport(), QPoint()), widget("MAS")->size())));
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

TEST_F(QtWindow, EveryControlTellsAssistiveToolsItsNameAndEveryLabelWhatItShows)
{
    const auto labelsReadAsShown = [this](const char* when) {
        for (const LayoutRow& row : mainWindowLayout().controls) {
            if (row.kind != ControlKind::Label)
                continue;
            auto* label = widget<QLabel>(row.name.c_str());
            EXPECT_EQ(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), label->text())
                << row.name << " " << when;
        }
        const std::pair<const char*, const char*> counted[] = {{"MSTrackBar", "MSCount"},
                                                               {"KSTrackBar", "KSCount"},
                                                               {"GammaTrackBar", "GammaCount"},
                                                               {"SFXTrackBar", "SFXCount"},
                                                               {"MusicTrackBar", "MusicCount"}};
        for (const auto& [slider, count] : counted)
            EXPECT_EQ(widget<QLabel>(count)->text().toInt(), widget<QSlider>(slider)->value()) << count << " " << when;
    };
    for (const LayoutRow& row : mainWindowLayout().controls) {
        QWidget* control = main->findChild<QWidget*>(test::qt(row.name));
        const bool menu =
            row.kind == ControlKind::Menu || row.kind == ControlKind::MenuItem || row.kind == ControlKind::Separator;
        if (!control || menu || row.kind == ControlKind::StatusBar || row.kind == ControlKind::Label)
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        ASSERT_TRUE(accessible) << row.name;
        // Its name, or (lists, whose name is their text) the label it is labelled by.
        QStringList names{accessible->text(QAccessible::Name)};
        for (const auto& [label, relation] : accessible->relations(QAccessible::Label))
            names << label->text(QAccessible::Name);
        EXPECT_TRUE(names.contains(test::qt(accessibleName(mainWindowLayout(), row))))
            << row.name << ": " << names.join(" | ").toStdString();
    }
    EXPECT_EQ(widget("KSTrackBar")->accessibleName(), "Keyboard Scrolling (1-100)");
    labelsReadAsShown("at the start");
    showActive();
    QTest::keyClick(widget("KSTrackBar"), Qt::Key_PageUp);
    EXPECT_EQ(widget<QLabel>("KSCount")->text(), "60");
    labelsReadAsShown("after a slider moved");
    QTest::keyClick(widget("KSTrackBar"), Qt::Key_F5);
    EXPECT_EQ(widget<QLabel>("KSCount")->text(), "50");
    labelsReadAsShown("after a reload");
}

} // namespace
} // namespace orvane
