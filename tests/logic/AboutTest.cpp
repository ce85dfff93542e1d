// The About box: shown over the disabled main window, its links opened,
// left with OK.
#include "context/ProgramInfo.h"
#include "dialogs/AboutBox.h"
#include "tests/logic/OrvaneFixture.h"

namespace orvane {
namespace {

class About : public test::OrvaneFixture {
protected:
    void SetUp() override
    {
        OrvaneFixture::SetUp();
        ASSERT_EQ(start(), StartOutcome::Running);
        click("CMHelpInfo");
    }
    Window& box() const { return windows->about->window(); }
};

TEST_F(About, ItShowsTheProductAndTheMaintainersOverTheDisabledWindow)
{
    EXPECT_TRUE(box().visible());
    EXPECT_FALSE(mainWindow().enabled());
    EXPECT_EQ(box().layout().caption, "Info about Orvane");
    EXPECT_EQ(box().label("Label5").caption(), "Orvane " ORVANE_VERSION);
    EXPECT_EQ(box().label("Label6").caption(), CopyrightNotice);
    click("butOK", &box());
    EXPECT_FALSE(box().visible());
    EXPECT_TRUE(mainWindow().enabled());
}

TEST_F(About, TheLinksOpenTheMailAndTheWebAddressAndTheBoxStays)
{
    click("lbMail", &box());
    click("lbWeb", &box());
    ASSERT_EQ(starter.links, (std::vector<std::string>{std::string("mailto:") + MaintainerAddress, ProjectPage}));
    // Each opens what it shows.
    EXPECT_EQ(box().control("lbMail").row().caption, "Mail: " + starter.links[0].substr(std::string_view("mailto:").size()));
    EXPECT_EQ(box().control("lbWeb").row().caption, "Web: " + starter.links[1]);
    EXPECT_TRUE(box().visible());
    starter.failure = "The desktop cannot open it";
    click("lbWeb", &box());
    EXPECT_EQ(errorTexts(), std::vector<std::string>{"The desktop cannot open it."});
}

} // namespace
} // namespace orvane
