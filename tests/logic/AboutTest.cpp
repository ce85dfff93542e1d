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
    EXPECT_EQ(box().label("Label5").caption(), "Orvane 1.5b");
    EXPECT_EQ(box().label("Label6").caption(), CopyrightNotice);
    click("butOK", &box());
    EXPECT_FALSE(box().visible());
    EXPECT_TRUE(mainWindow().enabled());
}

TEST_F(About, TheLinksOpenTheMailAndTheWebAddressAndTheBoxStays)
{
    click("lbMail", &box());
    click("lbWeb", &box());
    EXPECT_EQ(starter.links, (std::vector<std::string>{std::string("mailto:") + MaintainerAddress, ProjectPage}));
    EXPECT_TRUE(box().visible());
    starter.failure = "The desktop cannot open it";
    click("lbWeb", &box());
    EXPECT_EQ(errorTexts(), std::vector<std::string>{"The desktop cannot open it."});
}

TEST_F(About, TheFatalMessageNamesTheSameAddress)
{
    EXPECT_NE(box().control("lbMail").row().caption.find(MaintainerAddress), std::string::npos);
    EXPECT_EQ(box().control("lbMail").row().caption, std::string("Mail: ") + MaintainerAddress);
    EXPECT_EQ(box().control("lbWeb").row().caption, std::string("Web: ") + ProjectPage);
}

} // namespace
} // namespace orvane
