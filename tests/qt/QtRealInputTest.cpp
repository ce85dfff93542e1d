// The Qt window under a window manager, used with real input: key presses
// and clicks sent through the X server (XTest, by xdotool), read back from
// what the window shows, from the logic and from the registry.
#include "app/MainWindow.h"
#include "controls/TabOrder.h"
#include "platform/PlatformDisplayModes.h"
#include "tests/qt/QtWindowFixture.h"
#include "tests/support/Files.h"
#include "tests/support/QtPrinting.h"
#include "ui/qt/QtFileDialogs.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <utility>

namespace orvane {
namespace {

// Runs xdotool and lets the window take what it sent.
void xdotool(const std::string& arguments)
{
    ASSERT_EQ(std::system(("xdotool " + arguments).c_str()), 0) << arguments;
    QTest::qWait(60);
}

// The X windows from the bottom of the stack to the top, as the window
// manager keeps them.
std::vector<unsigned long> stacking()
{
    std::vector<unsigned long> windows;
    if (FILE* output = ::popen("xprop -root _NET_CLIENT_LIST_STACKING", "r")) {
        char line[4096] = {};
        if (std::fgets(line, sizeof line, output)) {
            std::istringstream ids(std::string(line).substr(std::string(line).find('#') + 1));
            std::string id;
            while (std::getline(ids, id, ','))
                windows.push_back(std::stoul(id, nullptr, 16));
        }
        ::pclose(output);
    }
    return windows;
}

class RealInput : public test::QtWindow {
protected:
    void SetUp() override
    {
        QtWindow::SetUp();
        mainWindow().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
        QTest::qWait(200); // the window manager has framed and focused it
    }
    // The pointer onto a point of a widget: the X server counts in the screen's pixels.
    void pointAt(QWidget* widget, QPoint point, const std::string& then = "")
    {
        const QPointF pixel = QPointF(widget->mapToGlobal(point)) * widget->devicePixelRatioF();
        xdotool("mousemove --sync " + std::to_string(qRound(pixel.x())) + " " + std::to_string(qRound(pixel.y())) +
                " " + then);
    }
    void clickOn(QWidget* widget) { pointAt(widget, widget->rect().center(), "click 1"); }
    // Selects what the field holds and types over it, key by key.
    void typeInto(QWidget* field, const std::string& text)
    {
        clickOn(field);
        xdotool("key ctrl+a");
        xdotool("type --delay 15 -- '" + text + "'");
    }
    bool above(QWidget* upper, QWidget* lower)
    {
        const std::vector<unsigned long> order = stacking();
        const auto placeOf = [&](QWidget* widget) {
            const unsigned long client = widget->winId();
            for (size_t i = 0; i < order.size(); ++i)
                if (order[i] == client)
                    return static_cast<int>(i);
            return -1;
        };
        return placeOf(upper) > placeOf(lower) && placeOf(lower) >= 0;
    }
    QWidget* dialogOf(Window& window) { return qtToolkit.widget(window); }
};

TEST_F(RealInput, TypingIntoEveryEditOfTheMainWindowKeepsTheTextAndApplyStoresIt)
{
    const std::vector<std::pair<const char*, std::string>> typed{{"NetGP", "7000"},   {"LANName", "Thrall"},
                                                                 {"PS", "C:\\Saves"}, {"PR", "C:\\Replays"},
                                                                 {"PL", "C:\\Logs"},  {"PE", "C:\\Errors"}};
    for (const auto& [name, text] : typed) {
        typeInto(widget(name), text);
        EXPECT_EQ(widget<QLineEdit>(name)->text(), test::qt(text)) << name;
        EXPECT_EQ(edit(name).text(), text) << name;
    }
    EXPECT_EQ(panel(1), "Changes have been made!");
    clickOn(widget("GAS"));
    clickOn(widget("MAS"));
    EXPECT_EQ(test::integerIn(game, schema::GameplayKey, "netgameport"), 7000);
    EXPECT_EQ(test::textIn(game, schema::StringKey, "userlocal"), "Thrall");
    EXPECT_EQ(test::textIn(game, std::string(schema::GameKey) + "\\DelOpt2", "Path3"), "C:\\Logs");
}

// With a history kept: F8 puts back what the last Apply replaced, in the
// registry and in the fields, and the undo is itself a change F8 undoes.
class RealInputWithHistory : public RealInput {
protected:
    void beforeStart() override { historyFolder = game.scratch() / "history"; }
};

TEST_F(RealInputWithHistory, F8UndoesTheLastApplyAndTheFieldsShowWhatIsStoredAgain)
{
    const int32_t portBefore = test::integerIn(game, schema::GameplayKey, "netgameport");
    const std::string nameBefore = test::textIn(game, schema::StringKey, "userlocal");
    ASSERT_NE(nameBefore, "Thrall");
    typeInto(widget("NetGP"), "7000");
    clickOn(widget("GAS"));
    typeInto(widget("LANName"), "Thrall");
    clickOn(widget("MAS"));
    ASSERT_EQ(test::textIn(game, schema::StringKey, "userlocal"), "Thrall");

    clickOn(widget("GammaTrackBar")); // F8 works with the focus away from the menu
    xdotool("key F8");
    EXPECT_EQ(test::textIn(game, schema::StringKey, "userlocal"), nameBefore);
    EXPECT_EQ(widget<QLineEdit>("LANName")->text(), test::qt(nameBefore));
    EXPECT_EQ(test::integerIn(game, schema::GameplayKey, "netgameport"), 7000) << "only the last change is undone";
    EXPECT_EQ(widget<QLineEdit>("NetGP")->text(), "7000");
    EXPECT_EQ(panel(1), "Back to before Apply Miscellaneous");
    EXPECT_NE(portBefore, 7000);

    xdotool("key F8");
    EXPECT_EQ(test::textIn(game, schema::StringKey, "userlocal"), "Thrall");
    EXPECT_EQ(widget<QLineEdit>("LANName")->text(), "Thrall");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(RealInput, EveryDialogStaysAboveTheDisabledMainWindowWhenThatIsClicked)
{
    const std::pair<const char*, Window*> dialogs[] = {{"Rename", &windows->profileRename->window()},
                                                       {"CPS", &windows->folders->window()}};
    for (const auto& [opener, window] : dialogs) {
        clickOn(widget(opener));
        QWidget* shown = dialogOf(*window);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(shown)) << opener;
        QTest::qWait(200);
        clickOn(widget("GammaTrackBar"));
        QTest::qWait(200);
        EXPECT_TRUE(above(shown, main)) << opener << ": the dialog went behind its owner";
        clickOn(shown); // the player turns to the dialog
        xdotool("key Escape");
        EXPECT_TRUE(main->isEnabled()) << opener;
    }
    clickOn(widget("AddBnet"));
    QWidget* dialog = dialogOf(windows->accountName->window());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    QTest::qWait(200);
    EXPECT_FALSE(main->isEnabled());
    clickOn(widget("GammaTrackBar")); // the greyed main window
    QTest::qWait(200);
    EXPECT_TRUE(above(dialog, main)) << "the dialog went behind its owner";
    // Typed into the dialog, Tab to OK, Enter there adds the name.
    typeInto(dialog->findChild<QLineEdit*>("AddBnetEdit"), "Arthas");
    xdotool("key Tab");
    xdotool("key Return");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(main->isEnabled());
    EXPECT_NE(std::find(list("BnetName").items().begin(), list("BnetName").items().end(), "Arthas"),
              list("BnetName").items().end());
}

TEST_F(RealInput, EscapeLeavesEveryDialogAndEnterInAFieldPressesNoButton)
{
    const std::pair<const char*, Window*> dialogs[] = {{"AddBnet", &windows->accountName->window()},
                                                       {"Rename", &windows->profileRename->window()},
                                                       {"CPS", &windows->folders->window()}};
    for (const auto& [opener, window] : dialogs) {
        clickOn(widget(opener));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialogOf(*window))) << opener;
        QTest::qWait(150);
        xdotool("key Escape");
        EXPECT_FALSE(window->visible()) << opener;
        EXPECT_TRUE(main->isEnabled()) << opener;
    }
    main->findChild<QAction*>("CMOptions")->trigger();
    QWidget* options = dialogOf(windows->options->window());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(options));
    QTest::qWait(150);
    typeInto(options->findChild<QLineEdit*>("ParamEdit"), "-window");
    xdotool("key Return");
    EXPECT_TRUE(files.shown.empty()) << "Enter in the field opened a file dialog";
    EXPECT_TRUE(options->isVisible());
    clickOn(options->findChild<QPushButton*>("SaveOptBut"));
    EXPECT_EQ(test::textIn(game, schema::OrvaneKey, "startparams"), "-window");
}

TEST_F(RealInput, EnterInTheFolderTreeGoesDownLevelByLevel)
{
    std::filesystem::create_directories(game.gameFolder() / "save" / "Deeper");
    clickOn(widget("CPL"));
    QWidget* chooser = dialogOf(windows->folders->window());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(chooser));
    auto* tree = chooser->findChild<QListWidget*>("DirListBox");
    for (const char* folder : {"save", "Deeper"}) {
        const QList<QListWidgetItem*> found = tree->findItems(folder, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << folder;
        const QRect item = tree->visualItemRect(found[0]);
        pointAt(tree->viewport(), item.center(), "click 1");
        xdotool("key Return");
        ASSERT_TRUE(chooser->isVisible()) << "Enter on " << folder << " closed the chooser";
    }
    clickOn(chooser->findChild<QPushButton*>("OKButton"));
    EXPECT_EQ(edit("PL").text(), game.installPath() + "\\save\\Deeper");
}

// The contrast ratio of two colours as the web's accessibility guidelines define it.
double contrastRatio(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& colour) {
        double sum = 0;
        for (const auto& [channel, weight] :
             {std::pair{colour.redF(), 0.2126}, std::pair{colour.greenF(), 0.7152}, std::pair{colour.blueF(), 0.0722}})
            sum += weight * (channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4));
        return sum;
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Red under the pointer on a light and on a dark theme, readable on both.
TEST_F(RealInput, ALinkIsUnderlinedAndRedUnderThePointerAndKeepsItsSize)
{
    main->findChild<QAction*>("CMHelpInfo")->trigger();
    QWidget* box = dialogOf(windows->about->window());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(box));
    QPalette dark = box->palette();
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Link, QColor(0x8a, 0xb4, 0xf8));
    for (const bool darkTheme : {false, true})
        for (const char* name : {"lbMail", "lbWeb"}) {
            if (darkTheme)
                box->setPalette(dark);
            auto* link = box->findChild<QLabel*>(name);
            const QFontInfo before(link->font());
            pointAt(link, link->rect().center());
            EXPECT_TRUE(link->font().underline()) << name;
            const QColor shown = link->palette().color(link->foregroundRole());
            const QColor background = box->palette().color(QPalette::Window);
            EXPECT_TRUE(shown.hue() == 0 && shown.saturation() > 0) << name << " is " << shown.name().toStdString();
            EXPECT_GE(contrastRatio(shown, background), 4.5) << name << " on " << background.name().toStdString();
            xdotool("mousemove --sync 0 0");
            EXPECT_EQ(link->palette().color(link->foregroundRole()), box->palette().color(QPalette::Link)) << name;
            EXPECT_FALSE(link->font().underline()) << name;
            const QFontInfo after(link->font());
            EXPECT_EQ(after.family(), before.family()) << name;
            EXPECT_EQ(after.pixelSize(), before.pixelSize()) << name;
            EXPECT_TRUE(after.bold()) << name;
            EXPECT_GE(link->width(), link->fontMetrics().horizontalAdvance(link->text())) << name << " is cut";
        }
}

// Qt's file dialogs size themselves to their contents: on a small screen
// at a high scale they keep to the free area all the same, Cancel in view.
TEST_F(RealInput, TheFileDialogsKeepToTheScreenTheirOwnerIsOn)
{
    QtFileDialogs real;
    files.passTo = &real;
    const QRect free = main->screen()->availableGeometry();
    for (const char* menuItem : {"CMFileSaveConfig", "CMFileLoadConfig"}) {
        QRect shown;
        QRect cancel;
        QTimer::singleShot(500, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            shown = dialog->frameGeometry();
            for (auto* button : dialog->findChildren<QPushButton*>())
                if (button->text().remove('&') == "Cancel")
                    cancel = QRect(button->mapToGlobal(QPoint()), button->size());
            dialog->reject();
        });
        main->findChild<QAction*>(menuItem)->trigger();
        EXPECT_TRUE(free.contains(shown)) << menuItem << ": " << shown << " on " << free;
        EXPECT_TRUE(!cancel.isEmpty() && free.contains(cancel)) << menuItem << ": " << cancel;
    }
    files.passTo = nullptr;
}

// Run also at 150% and 200% on a screen of 1366 by 768, where the window
// must scroll; at 100% on 1280 by 1024 it fits and nothing scrolls.
TEST_F(RealInput, TheWindowStaysOnTheScreenAndTabBringsEveryControlIntoView)
{
    const QRect free = main->screen()->availableGeometry();
    const auto onScreen = [](QWidget* widget) { return QRect(widget->mapToGlobal(QPoint()), widget->size()); };
    auto* view = main->findChild<QScrollArea*>("ClientView");
    QWidget* client = widget("ClientArea");
    EXPECT_TRUE(free.contains(main->frameGeometry())) << main->frameGeometry() << " on " << free;
    EXPECT_TRUE(free.contains(onScreen(main->menuBar())));
    const QRect seen = onScreen(view->viewport());
    EXPECT_TRUE(free.contains(seen));
    for (auto* panel : main->statusBar()->findChildren<QLabel*>()) {
        EXPECT_TRUE(free.contains(onScreen(panel))) << panel->objectName().toStdString();
        EXPECT_GE(panel->contentsRect().height(), panel->fontMetrics().height()) << "descenders cut";
        EXPECT_LE(panel->fontMetrics().horizontalAdvance(panel->text()), panel->contentsRect().width());
    }
    const QSize whole = main->frameGeometry().size() - view->size() + client->size();
    if (whole.width() <= free.width() && whole.height() <= free.height()) {
        EXPECT_EQ(view->size(), client->size());
        EXPECT_FALSE(view->horizontalScrollBar()->isVisible() || view->verticalScrollBar()->isVisible());
    }
    for (const LayoutRow* row : tabChain(mainWindowLayout())) {
        if (row->hidden)
            continue;
        xdotool("key Tab");
        QWidget* focused = QApplication::focusWidget();
        ASSERT_TRUE(focused);
        // A field is scrolled to as far as its cursor, as Qt does.
        const QRect cursor = focused->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const QRect typedAt = qobject_cast<QLineEdit*>(focused)
                                  ? QRect(focused->mapToGlobal(cursor.topLeft()), cursor.size())
                                  : onScreen(focused);
        EXPECT_TRUE(seen.contains(typedAt)) << focused->objectName().toStdString() << " out of view";
    }
    // The lowest control, which Tab does not reach, scrolled to and clicked.
    view->ensureWidgetVisible(widget("W3Icon"));
    clickOn(widget("W3Icon"));
    EXPECT_EQ(starter.starts.size(), 1u);
}

TEST_F(RealInput, ThePicturesOnTheScreenAreTheSharpOnesAtTwiceTheScale)
{
    const qreal scale = main->devicePixelRatioF();
    ASSERT_TRUE(scale == 1 || scale == 2) << "no picture file of its own at " << scale;
    for (const auto& [name, file] : {std::pair{"W3Icon", "game"}, std::pair{"WEIcon", "editor"}}) {
        QWidget* picture = widget(name);
        main->findChild<QScrollArea*>("ClientView")->ensureWidgetVisible(picture);
        QTest::qWait(100);
        const QPoint at = picture->mapTo(main, QPoint());
        const QImage shown =
            main->windowHandle()->screen()->grabWindow(main->winId(), at.x(), at.y(), 48, 48).toImage();
        const QImage drawn(QString(":/%1%2.bmp").arg(file, scale == 2 ? "@2x" : ""));
        ASSERT_EQ(shown.size(), drawn.size()) << name;
        EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32), drawn.convertToFormat(QImage::Format_RGB32)) << name;
    }
}

// The X server's own modes, as the platform reports them, for a game stored
// at the screen's size.
class RealInputOnTheXServersModes : public RealInput {
protected:
    void beforeStart() override
    {
        display.offered = platformDisplayModes()->modes();
        const QSize screen =
            QGuiApplication::primaryScreen()->size() * QGuiApplication::primaryScreen()->devicePixelRatio();
        game.setInteger(schema::VideoKey, "reswidth", screen.width());
        game.setInteger(schema::VideoKey, "resheight", screen.height());
        game.setInteger(schema::VideoKey, "colordepth", 32);
        game.setInteger(schema::VideoKey, "refreshrate", 60);
    }
};

// Xvfb reports its one mode at 0 Hz.
TEST_F(RealInputOnTheXServersModes, AModeWithoutARateIsNotOfferedAndTheStoredRateStays)
{
    for (const std::string& item : list("RRCombo").items())
        EXPECT_NE(item, "0 Hz");
    EXPECT_EQ(state().settings.refreshrate, 60);
}

} // namespace
} // namespace orvane
