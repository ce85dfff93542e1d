// The prefix chooser in the Qt window: the list the player sees, and the
// keys and buttons that answer it.
#include "context/Commands.h"
#include "dialogs/PrefixChooser.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "ui/qt/QtToolkit.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace orvane {
namespace {

const std::vector<GamePrefix> Prefixes{
    {.folder = "/home/p/Games/warcraft-iii", .launcher = "Lutris", .gameName = "warcraft-iii"},
    {.folder = "/home/p/.steam/steam/steamapps/compatdata/7/pfx", .launcher = "Steam", .gameName = "Warcraft III"},
};

class QtPrefixChooser : public ::testing::Test {
protected:
    test::RecordingMessageBoxes boxes;
    std::unique_ptr<RegistryAccess> noRegistry;
    const Texts english{};
    Commands commands{boxes, noRegistry, english};
};

TEST_F(QtPrefixChooser, ListsEveryPrefixAndEnterChoosesTheHighlightedOne)
{
    QtToolkit toolkit;
    PrefixChooser chooser(Prefixes, commands, Texts());
    const auto chosen = chooser.choose(toolkit, [&] {
        QWidget* window = toolkit.widget(chooser.window());
        ASSERT_TRUE(window && window->isVisible());
        auto* list = window->findChild<QListWidget*>("PrefixList");
        ASSERT_TRUE(list);
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(1)->text().toStdString(), describePrefix(Prefixes[1]));
        EXPECT_EQ(list->currentRow(), 0);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
    });
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->folder, Prefixes[1].folder);
    EXPECT_FALSE(toolkit.widget(chooser.window())->isVisible());
}

TEST_F(QtPrefixChooser, CancelAndEscapeChooseNothing)
{
    QtToolkit toolkit;
    PrefixChooser byButton(Prefixes, commands, Texts());
    EXPECT_FALSE(byButton.choose(toolkit, [&] {
        QTest::mouseClick(toolkit.widget(byButton.window())->findChild<QPushButton*>("PrefixCancel"), Qt::LeftButton);
    }));
    PrefixChooser byEscape(Prefixes, commands, Texts());
    EXPECT_FALSE(byEscape.choose(toolkit, [&] { QTest::keyClick(toolkit.widget(byEscape.window()), Qt::Key_Escape); }));
}

} // namespace
} // namespace orvane
