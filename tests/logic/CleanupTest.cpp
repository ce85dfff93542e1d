// Removing what Orvane created: asked first for the whole cleanup, at once
// for the one value; nothing in the window changes.
#include "tests/logic/OrvaneFixture.h"

namespace orvane {
namespace {

class Cleanup : public test::OrvaneFixture {
protected:
    bool allowLocalFilesStored() const
    {
        auto registry = game.registry();
        RegistryKey key = registry->openKey(schema::GameKey);
        return key.hasValue(schema::AllowLocalFiles);
    }
};

TEST_F(Cleanup, NoLeavesTheRegistryAndTheMenuItem)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    const std::string before = game.contents();
    boxes.setNextAnswer(MessageAnswer::No);
    pressShortcut("F6");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0], (MessageBoxRequest{MessageId::CleanupQuestion, "Delete values and keys from the Registry?",
                                                 "Do you really want to delete all values and keys from the Registry "
                                                 "created by Orvane?",
                                                 MessageIcon::Question, MessageButtons::YesNo}));
    EXPECT_EQ(game.contents(), before);
    EXPECT_TRUE(control("CMRegCleanUp").enabled());
}

TEST_F(Cleanup, YesRemovesOrvanesKeyAndTheValueAndNothingElse)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    click("ALFCB");
    const SettingsSnapshot before = state().settings;
    const std::vector<std::string> accounts = form().accounts().names();
    boxes.setNextAnswer(MessageAnswer::Yes);
    pressShortcut("F6");
    EXPECT_FALSE(game.registry()->keyExists(schema::OrvaneKey));
    EXPECT_FALSE(allowLocalFilesStored());
    EXPECT_TRUE(game.registry()->keyExists(schema::VideoKey));
    EXPECT_FALSE(control("CMRegCleanUp").enabled());
    EXPECT_EQ(state().settings, before);
    EXPECT_EQ(form().accounts().names(), accounts);
    EXPECT_TRUE(check("ALFCB").checked());
    EXPECT_EQ(panel(1), "Changes have been made!");

    // Applying Miscellaneous writes the value back without enabling the item;
    // applying Video fails at Orvane's own key.
    click("MAS");
    EXPECT_TRUE(allowLocalFilesStored());
    EXPECT_FALSE(control("CMRegCleanUp").enabled());
    click("VAS");
    EXPECT_EQ(errorTexts(), std::vector<std::string>{"Fehler beim Setzen der Daten für 'opengl'"});
    // The next load makes everything again, and the item comes back.
    game.edit([](RegistryAccess& registry) {
        RegistryKey key = registry.openKey(schema::GameKey);
        key.deleteValue(schema::AllowLocalFiles);
    });
    pressShortcut("F5");
    EXPECT_TRUE(game.registry()->keyExists(schema::BnetUsersKey));
    EXPECT_TRUE(control("CMRegCleanUp").enabled());
}

TEST_F(Cleanup, TheButtonRemovesTheValueWithoutAQuestionAndAMissingOneIsSkipped)
{
    ASSERT_EQ(start(), StartOutcome::Running);
    click("ALFCB");
    click("RemLoFiKey");
    EXPECT_FALSE(allowLocalFilesStored());
    click("RemLoFiKey");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(check("ALFCB").checked());
    click("MAS");
    EXPECT_EQ(test::integerIn(game, schema::GameKey, schema::AllowLocalFiles), 1);
}

} // namespace
} // namespace orvane
