#include "ui/qt/QtOptions.h"

#include <algorithm>
#include <string_view>

namespace orvane {
namespace {

// As QGuiApplication, QApplication and the X11 platform take them, with one
// dash or two.
constexpr std::string_view WithValue[] = {
    "-platform",    "-platformpluginpath", "-platformtheme", "-plugin", "-qwindowgeometry",
    "-qwindowicon", "-qwindowtitle",       "-session",       "-style",  "-stylesheet",
    "-display",     "-geometry",           "-title",         "-icon",   "-name",
    "-visual"};
constexpr std::string_view Alone[] = {"-reverse", "-widgetcount", "-testability", "-nograb", "-dograb"};
constexpr std::string_view WithJoinedValue[] = {"-style=", "-stylesheet=", "-qmljsdebugger="};

template <size_t N>
bool among(std::string_view option, const std::string_view (&names)[N])
{
    return std::find(std::begin(names), std::end(names), option) != std::end(names);
}

} // namespace

SeparatedArguments separateQtOptions(const std::vector<std::string>& arguments)
{
    SeparatedArguments separated;
    for (size_t at = 0; at < arguments.size(); ++at) {
        std::string_view option = arguments[at];
        if (option.starts_with("--"))
            option.remove_prefix(1);
        const bool joined = std::any_of(std::begin(WithJoinedValue), std::end(WithJoinedValue),
                                        [option](std::string_view name) { return option.starts_with(name); });
        if (among(option, WithValue)) {
            separated.qt.push_back(arguments[at]);
            if (at + 1 < arguments.size())
                separated.qt.push_back(arguments[++at]);
        } else if (joined || among(option, Alone)) {
            separated.qt.push_back(arguments[at]);
        } else {
            separated.own.push_back(arguments[at]);
        }
    }
    return separated;
}

} // namespace orvane
