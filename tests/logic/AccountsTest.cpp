// The stored Battle.net account names: read, sorted, renumbered, added
// through the dialog and deleted, as the key and the list show them.
#include "dialogs/AccountNameDialog.h"
#include "tests/logic/OrvaneFixture.h"


namespace orvane {
namespace {

class Accounts : public test::OrvaneFixture {
protected:
    void store(std::vector<std::pair<std::string, std::string>> values, const std::string& current)
    {
        game.edit([&](RegistryAccess& registry) {
            RegistryKey key = registry.createKey(schema::BnetUsersKey);
            for (const auto& [name, data] : values)
                key.writeString(name, data);
            key = registry.openKey(schema::StringKey);
            key.writeString("userbnet", current);
        });
    }
    // The key as "name=data" in enumeration order.
    std::vector<std::string> storedKey() const
    {
        auto registry = game.registry();
        RegistryKey key = registry->openKey(schema::BnetUsersKey);
        std::vector<std::string> names = key.valueNames();
        for (std::string& name : names) {
            const std::string data = key.readString(name);
            name.append("=").append(data);
        }
        return names;
    }
    ListControl& accounts() const { return list("BnetName"); }
    std::vector<std::string> items() const { return accounts().items(); }
    Window& dialog() const { return windows->accountName->window(); }
    EditControl& dialogEdit() const { return dialog().edit("AddBnetEdit"); }
    void addThroughDialog(const std::string& name)
    {
        click("AddBnet");
        dialogEdit().setText("");
        type(dialogEdit(), name);
        click("AddBnetOK", &dialog());
    }
    void deleteSelected() const { click("DelBnet"); }
};

TEST_F(Accounts, StoredNamesAreSortedAndRenumberedWithoutGaps)
{
    store({{"Some other value", "zed"}, {"BnetName7", "Alpha"}, {"BnetName2", "mike"}}, "mike");
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(storedKey(), (std::vector<std::string>{"BnetName0=Alpha", "BnetName1=mike", "BnetName2=zed"}));
    EXPECT_EQ(items(), (std::vector<std::string>{"Alpha", "mike", "zed"}));
    EXPECT_EQ(accounts().text(), "mike");
    EXPECT_EQ(form().accounts().valueNames(), (std::vector<std::string>{"BnetName0", "BnetName1", "BnetName2"}));
}

TEST_F(Accounts, TheCurrentNameJoinsTheListWhenMissing)
{
    store({{"BnetName0", "Alpha"}}, "Thrall");
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(storedKey(), (std::vector<std::string>{"BnetName0=Alpha", "BnetName1=Thrall"}));
    EXPECT_EQ(accounts().text(), "Thrall");
}

TEST_F(Accounts, ACurrentNameDifferingOnlyInCaseKeepsTheStoredSpellingAndSelectsNothing)
{
    store({{"BnetName0", "Alpha"}, {"BnetName1", "Beta"}}, "ALPHA");
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(storedKey(), (std::vector<std::string>{"BnetName0=Alpha", "BnetName1=Beta"}));
    EXPECT_EQ(accounts().selected(), -1);
}

TEST_F(Accounts, AddingThroughTheDialogStoresTheNameWithoutSelectingIt)
{
    store({{"BnetName0", "Alpha"}, {"BnetName1", "Zulu"}}, "Alpha");
    ASSERT_EQ(start(), StartOutcome::Running);
    click("AddBnet");
    EXPECT_FALSE(mainWindow().enabled());
    EXPECT_TRUE(dialog().visible());
    type(dialogEdit(), "Grunt");
    click("AddBnetOK", &dialog());
    EXPECT_FALSE(dialog().visible());
    EXPECT_TRUE(mainWindow().enabled());
    EXPECT_EQ(storedKey(), (std::vector<std::string>{"BnetName0=Alpha", "BnetName1=Grunt", "BnetName2=Zulu"}));
    EXPECT_EQ(accounts().text(), "Alpha");
    EXPECT_EQ(dialogEdit().text(), "");
}

TEST_F(Accounts, ANameAlreadyInTheListIsRefusedWithAMessage)
{
    store({{"BnetName0", "Alpha"}}, "Alpha");
    ASSERT_EQ(start(), StartOutcome::Running);
    const std::string before = game.contents();
    addThroughDialog("Alpha");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0], (MessageBoxRequest{MessageId::AccountNameTaken, "Name exists already",
                                                 "The name you entered is already added to the list! Choose another "
                                                 "name or press Cancel!",
                                                 MessageIcon::Information, MessageButtons::Ok}));
    EXPECT_EQ(dialogEdit().text(), "Alpha");
    EXPECT_FALSE(mainWindow().enabled());
    EXPECT_EQ(game.contents(), before);
    click("AddBnetCancel", &dialog());
    EXPECT_TRUE(mainWindow().enabled());
    EXPECT_EQ(dialogEdit().text(), "Alpha"); // kept for the next use
}

TEST_F(Accounts, InThePlayersLanguageTheRefusalAndTheStatusBarAreTheCataloguesAndTheStoreIsNot)
{
    store({{"BnetName0", "Alpha"}}, "Alpha");
    texts = textsFor({"de_DE.UTF-8"}, builtInCatalogues());
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(panel(1), "Keine Änderungen!");
    EXPECT_EQ(panel(0).rfind("Installiert in ", 0), 0u) << panel(0);
    addThroughDialog("Alpha");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "Name existiert bereits");
    EXPECT_EQ(boxes.shown[0].text, "Der eingegebene Name steht bereits in der Liste! Wählen Sie einen anderen Namen "
                                   "oder klicken Sie auf Abbrechen!");
    click("AddBnetCancel", &dialog());
    addThroughDialog("Grunt");
    EXPECT_EQ(storedKey(), (std::vector<std::string>{"BnetName0=Alpha", "BnetName1=Grunt"}));
}

TEST_F(Accounts, ANameDifferingOnlyInCaseIsMergedIntoTheStoredOne)
{
    store({{"BnetName0", "Alpha"}}, "Alpha");
    ASSERT_EQ(start(), StartOutcome::Running);
    addThroughDialog("ALPHA");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(storedKey(), std::vector<std::string>{"BnetName0=Alpha"});
    EXPECT_EQ(items(), std::vector<std::string>{"Alpha"});
}

TEST_F(Accounts, AnEmptyNameAddsNothingOrMeetsTheEmptyEntry)
{
    store({{"BnetName0", "Alpha"}}, "Alpha");
    ASSERT_EQ(start(), StartOutcome::Running);
    addThroughDialog("");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(dialog().visible());
    EXPECT_EQ(storedKey(), std::vector<std::string>{"BnetName0=Alpha"});

    store({{"BnetName0", ""}}, "");
    click("CMFileReloadCFG");
    addThroughDialog("");
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(Accounts, DeletingMovesTheCurrentNameToTheNextEntryOrBeforeTheLast)
{
    store({{"BnetName0", "Alpha"}, {"BnetName1", "Beta"}, {"BnetName2", "Gamma"}}, "Gamma");
    ASSERT_EQ(start(), StartOutcome::Running);
    deleteSelected();
    EXPECT_EQ(items(), (std::vector<std::string>{"Alpha", "Beta"}));
    EXPECT_EQ(accounts().text(), "Beta");
    EXPECT_EQ(state().settings.userbnet, "Beta");
    accounts().select(0);
    deleteSelected();
    EXPECT_EQ(items(), std::vector<std::string>{"Beta"});
    EXPECT_EQ(accounts().text(), "Beta");
    EXPECT_EQ(storedKey(), std::vector<std::string>{"BnetName0=Beta"});
}

TEST_F(Accounts, DeletingTheOnlyEntryLeavesOneEmptyEntrySelected)
{
    store({{"BnetName0", "Alpha"}}, "Alpha");
    ASSERT_EQ(start(), StartOutcome::Running);
    deleteSelected();
    EXPECT_EQ(state().settings.userbnet, "");
    EXPECT_EQ(items(), std::vector<std::string>{""});
    EXPECT_EQ(accounts().selected(), 0);
    EXPECT_EQ(storedKey(), std::vector<std::string>{"BnetName0="});
}

TEST_F(Accounts, DeletingWithNothingSelectedRemovesEmptyNamesAndTakesTheFirst)
{
    store({{"BnetName0", "Alpha"}, {"BnetName1", "Beta"}}, "ALPHA");
    ASSERT_EQ(start(), StartOutcome::Running);
    ASSERT_EQ(accounts().selected(), -1);
    deleteSelected();
    EXPECT_EQ(state().settings.userbnet, "Alpha");
    EXPECT_EQ(items(), (std::vector<std::string>{"Alpha", "Beta"}));
    EXPECT_EQ(accounts().text(), "Alpha");
}

TEST_F(Accounts, AStoredValueThatIsNotTextStopsTheRunAndKeepsTheKey)
{
    game.edit([](RegistryAccess& registry) {
        RegistryKey key = registry.createKey(schema::BnetUsersKey);
        key.writeString("BnetName0", "Alpha");
        key.writeInteger("BnetName1", 5);
    });
    ASSERT_EQ(start(), StartOutcome::Running);
    EXPECT_EQ(errorTexts(), std::vector<std::string>{"Ungültiger Datentyp für 'BnetName1'"});
    EXPECT_EQ(accounts().count(), 0);
    auto registry = game.registry();
    RegistryKey key = registry->openKey(schema::BnetUsersKey);
    EXPECT_EQ(key.readInteger("BnetName1"), 5);
}

TEST_F(Accounts, TheDialogLeftByEscapeOrTheWindowManagerEnablesTheMainWindow)
{
    store({{"BnetName0", "Alpha"}}, "Alpha");
    ASSERT_EQ(start(), StartOutcome::Running);
    click("AddBnet");
    type(dialogEdit(), "Grunt");
    ASSERT_FALSE(mainWindow().enabled());
    dialog().userClose();
    EXPECT_FALSE(dialog().visible());
    EXPECT_TRUE(mainWindow().enabled());
    EXPECT_EQ(storedKey(), std::vector<std::string>{"BnetName0=Alpha"}); // as Cancel: nothing added
}

} // namespace
} // namespace orvane
