// The stored Battle.net account names: read, sorted, renumbered, added
// through the dialog and deleted, as the key and the list show them.
#include "dialogs/addbnet.h"
#include "tests/app/OrvaneFixture.h"

#include <QPushButton>
#include <QTest>

namespace orvane {
namespace {

class Accounts : public test::OrvaneFixture {
protected:
    void store(std::vector<std::pair<std::string, std::string>> values, const std::string& current)
    {
        prefix.edit([&](RegistryAccess& registry) {
            registry.OpenKey(schema::BnetUsersKey, true);
            for (const auto& [name, data] : values)
                registry.WriteString(name, data);
            registry.OpenKey(schema::StringKey, false);
            registry.WriteString("userbnet", current);
        });
    }
    // The key as "name=data" in enumeration order.
    std::vector<std::string> storedKey() const
    {
        auto registry = reread();
        registry->OpenKey(schema::BnetUsersKey, false);
        std::vector<std::string> names;
        registry->GetValueNames(names);
        for (std::string& name : names)
            name += "=" + registry->ReadString(name);
        return names;
    }
    QComboBox& list() const { return *control<QComboBox>("BnetName"); }
    QStringList items() const
    {
        QStringList texts;
        for (int i = 0; i < list().count(); ++i)
            texts << list().itemText(i);
        return texts;
    }
    QWidget& dialog() const { return *windows->AddBnetForm; }
    void addThroughDialog(const QString& name)
    {
        QTest::mouseClick(control<QPushButton>("AddBnet"), Qt::LeftButton);
        auto* edit = dialog().findChild<QLineEdit*>("AddBnetEdit");
        edit->clear();
        QTest::keyClicks(edit, name);
        QTest::mouseClick(dialog().findChild<QPushButton*>("AddBnetOK"), Qt::LeftButton);
    }
    void deleteSelected() { QTest::mouseClick(control<QPushButton>("DelBnet"), Qt::LeftButton); }
};

TEST_F(Accounts, StoredNamesAreSortedAndRenumberedWithoutGaps)
{
    store({{"Some other value", "zed"}, {"BnetName7", "Alpha"}, {"BnetName2", "mike"}}, "mike");
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(storedKey(), (std::vector<std::string>{"BnetName0=Alpha", "BnetName1=mike", "BnetName2=zed"}));
    EXPECT_EQ(items(), (QStringList{"Alpha", "mike", "zed"}));
    EXPECT_EQ(list().currentText(), "mike");
    EXPECT_EQ(programState().BnetValueNames, (std::vector<std::string>{"BnetName0", "BnetName1", "BnetName2"}));
}

TEST_F(Accounts, TheCurrentNameJoinsTheListWhenMissing)
{
    store({{"BnetName0", "Alpha"}}, "Thrall");
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(storedKey(), (std::vector<std::string>{"BnetName0=Alpha", "BnetName1=Thrall"}));
    EXPECT_EQ(list().currentText(), "Thrall");
}

TEST_F(Accounts, ACurrentNameDifferingOnlyInCaseKeepsTheStoredSpellingAndSelectsNothing)
{
    store({{"BnetName0", "Alpha"}, {"BnetName1", "Beta"}}, "ALPHA");
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(storedKey(), (std::vector<std::string>{"BnetName0=Alpha", "BnetName1=Beta"}));
    EXPECT_EQ(list().currentIndex(), -1);
}

TEST_F(Accounts, AddingThroughTheDialogStoresTheNameWithoutSelectingIt)
{
    store({{"BnetName0", "Alpha"}, {"BnetName1", "Zulu"}}, "Alpha");
    ASSERT_EQ(start(), StartOutcome::Running);
    form().show();
    QTest::mouseClick(control<QPushButton>("AddBnet"), Qt::LeftButton);
    EXPECT_FALSE(form().isEnabled());
    EXPECT_TRUE(dialog().isVisible());
    QTest::keyClicks(dialog().findChild<QLineEdit*>("AddBnetEdit"), "Grunt");
    QTest::mouseClick(dialog().findChild<QPushButton*>("AddBnetOK"), Qt::LeftButton);
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_TRUE(form().isEnabled());
    EXPECT_EQ(storedKey(), (std::vector<std::string>{"BnetName0=Alpha", "BnetName1=Grunt", "BnetName2=Zulu"}));
    EXPECT_EQ(list().currentText(), "Alpha");
    EXPECT_FALSE(programState().PendingAdd.pending);
    EXPECT_EQ(dialog().findChild<QLineEdit*>("AddBnetEdit")->text(), "");
}

TEST_F(Accounts, ANameAlreadyInTheListIsRefusedWithAMessage)
{
    store({{"BnetName0", "Alpha"}}, "Alpha");
    ASSERT_EQ(start(), StartOutcome::Running);
    const std::string before = prefix.readUserReg();
    addThroughDialog("Alpha");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0], (MessageBoxRequest{"Name exists already",
                                                 "The name you entered is already added to the list! Choose another "
                                                 "name or press Cancel!",
                                                 MessageIcon::Information, MessageButtons::Ok}));
    EXPECT_EQ(dialog().findChild<QLineEdit*>("AddBnetEdit")->text(), "Alpha");
    EXPECT_FALSE(form().isEnabled());
    EXPECT_EQ(prefix.readUserReg(), before);
    QTest::mouseClick(dialog().findChild<QPushButton*>("AddBnetCancel"), Qt::LeftButton);
    EXPECT_TRUE(form().isEnabled());
    EXPECT_EQ(dialog().findChild<QLineEdit*>("AddBnetEdit")->text(), "Alpha"); // kept for the next use
}

TEST_F(Accounts, ANameDifferingOnlyInCaseIsMergedIntoTheStoredOne)
{
    store({{"BnetName0", "Alpha"}}, "Alpha");
    ASSERT_EQ(start(), StartOutcome::Running);
    addThroughDialog("ALPHA");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(storedKey(), std::vector<std::string>{"BnetName0=Alpha"});
    EXPECT_EQ(items(), QStringList{"Alpha"});
}

TEST_F(Accounts, AnEmptyNameAddsNothingOrMeetsTheEmptyEntry)
{
    store({{"BnetName0", "Alpha"}}, "Alpha");
    ASSERT_EQ(start(), StartOutcome::Running);
    addThroughDialog("");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(storedKey(), std::vector<std::string>{"BnetName0=Alpha"});

    store({{"BnetName0", ""}}, "");
    action("CMFileReloadCFG")->trigger();
    addThroughDialog("");
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(Accounts, DeletingMovesTheCurrentNameToTheNextEntryOrBeforeTheLast)
{
    store({{"BnetName0", "Alpha"}, {"BnetName1", "Beta"}, {"BnetName2", "Gamma"}}, "Gamma");
    ASSERT_EQ(start(), StartOutcome::Running);
    deleteSelected();
    EXPECT_EQ(items(), (QStringList{"Alpha", "Beta"}));
    EXPECT_EQ(list().currentText(), "Beta");
    EXPECT_EQ(programState().settings.userbnet, "Beta");
    list().setCurrentIndex(0);
    deleteSelected();
    EXPECT_EQ(items(), QStringList{"Beta"});
    EXPECT_EQ(list().currentText(), "Beta");
    EXPECT_EQ(storedKey(), std::vector<std::string>{"BnetName0=Beta"});
}

TEST_F(Accounts, DeletingTheOnlyEntryLeavesOneEmptyEntrySelected)
{
    store({{"BnetName0", "Alpha"}}, "Alpha");
    ASSERT_EQ(start(), StartOutcome::Running);
    deleteSelected();
    EXPECT_EQ(programState().settings.userbnet, "");
    EXPECT_EQ(items(), QStringList{""});
    EXPECT_EQ(list().currentIndex(), 0);
    EXPECT_EQ(storedKey(), std::vector<std::string>{"BnetName0="});
}

TEST_F(Accounts, DeletingWithNothingSelectedRemovesEmptyNamesAndTakesTheFirst)
{
    store({{"BnetName0", "Alpha"}, {"BnetName1", "Beta"}}, "ALPHA");
    ASSERT_EQ(start(), StartOutcome::Running);
    ASSERT_EQ(list().currentIndex(), -1);
    deleteSelected();
    EXPECT_EQ(programState().settings.userbnet, "Alpha");
    EXPECT_EQ(items(), (QStringList{"Alpha", "Beta"}));
    EXPECT_EQ(list().currentText(), "Alpha");
}

TEST_F(Accounts, AStoredValueThatIsNotTextStopsTheRunAndKeepsTheKey)
{
    prefix.edit([](RegistryAccess& registry) {
        registry.OpenKey(schema::BnetUsersKey, true);
        registry.WriteString("BnetName0", "Alpha");
        registry.WriteInteger("BnetName1", 5);
    });
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(errorTexts(), std::vector<std::string>{"Ungültiger Datentyp für 'BnetName1'"});
    EXPECT_EQ(list().count(), 0);
    auto registry = reread();
    registry->OpenKey(schema::BnetUsersKey, false);
    EXPECT_EQ(registry->ReadInteger("BnetName1"), 5);
}

} // namespace
} // namespace orvane
