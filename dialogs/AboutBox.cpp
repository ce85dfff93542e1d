#include "dialogs/AboutBox.h"

#include "context/ProgramInfo.h"
#include "context/ProgramStarter.h"
#include "files/Errors.h"

#include <string>

namespace orvane {
// clang-format off
const WindowLayout& aboutBoxLayout()
{
    using enum ControlKind;
    static const WindowLayout layout{
        .name = "Proginfo",
        .caption = "Info about Orvane",
        .clientWidth = 273,
        .clientHeight = 120,
        .controls = {
            {.kind = Image, .name = "imgWar3", .left = 8, .top = 8, .width = 49, .height = 49, .picture = "game"},
            {.kind = Label, .name = "Label5", .caption = ProductVersion, .left = 72, .top = 10, .height = 13, .verbatim = true},
            {.kind = Label, .name = "Label6", .caption = CopyrightNotice, .left = 72, .top = 28, .height = 13, .verbatim = true},
            {.kind = Link, .name = "lbMail", .caption = std::string("Mail: ") + MaintainerAddress, .left = 72, .top = 46, .height = 13, .handler = on<&AboutBox::writeMail>, .verbatim = true},
            {.kind = Link, .name = "lbWeb", .caption = std::string("Web: ") + ProjectPage, .left = 8, .top = 66, .width = 257, .height = 13, .handler = on<&AboutBox::openWebPage>, .centred = true, .verbatim = true},
            {.kind = Button, .name = "butOK", .caption = "OK", .left = 99, .top = 88, .width = 75, .height = 25, .tab = 0, .handler = on<&AboutBox::dismiss>},
        },
    };
    return layout;
}
// clang-format on

AboutBox::AboutBox(Context& context) : Dialog(aboutBoxLayout(), context)
{
    window_.bindHandlers(*this);
}

void AboutBox::writeMail()
{
    openLink(std::string("mailto:") + MaintainerAddress);
}

void AboutBox::openLink(const std::string& address)
{
    std::string reason;
    if (!context_.services.starter.openLink(address, reason))
        throw OrvaneError(reason);
}

void AboutBox::openWebPage()
{
    openLink(ProjectPage);
}

} // namespace orvane
