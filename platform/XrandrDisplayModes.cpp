// The display modes of the X11 screen's primary output through XRandR, at
// 32, 16 and 8 bits per pixel each, as Wine reports them to the game.
#include "platform/PlatformDisplayModes.h"

#include <cstdlib>
#include <xcb/randr.h>
#include <xcb/xcb.h>

namespace orvane {
namespace {

template <class Reply>
struct Freed {
    Reply* reply;
    ~Freed() { std::free(reply); }
};

uint32_t frequencyOf(const xcb_randr_mode_info_t& mode)
{
    uint64_t dots = uint64_t{mode.htotal} * mode.vtotal;
    if (mode.mode_flags & XCB_RANDR_MODE_FLAG_DOUBLE_SCAN)
        dots *= 2;
    if (mode.mode_flags & XCB_RANDR_MODE_FLAG_INTERLACE)
        dots /= 2;
    return dots ? static_cast<uint32_t>((mode.dot_clock + dots / 2) / dots) : 0;
}

std::vector<DisplayMode> queryModes(xcb_connection_t* connection)
{
    std::vector<DisplayMode> result;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return result;
    Freed<xcb_randr_get_screen_resources_current_reply_t> resources{xcb_randr_get_screen_resources_current_reply(
        connection, xcb_randr_get_screen_resources_current(connection, screen->root), nullptr)};
    if (!resources.reply)
        return result;
    Freed<xcb_randr_get_output_primary_reply_t> primary{xcb_randr_get_output_primary_reply(
        connection, xcb_randr_get_output_primary(connection, screen->root), nullptr)};
    xcb_randr_output_t output = primary.reply ? primary.reply->output : XCB_NONE;
    if (output == XCB_NONE && xcb_randr_get_screen_resources_current_outputs_length(resources.reply) > 0)
        output = xcb_randr_get_screen_resources_current_outputs(resources.reply)[0];
    if (output == XCB_NONE)
        return result;
    Freed<xcb_randr_get_output_info_reply_t> info{xcb_randr_get_output_info_reply(
        connection, xcb_randr_get_output_info(connection, output, resources.reply->config_timestamp), nullptr)};
    if (!info.reply)
        return result;
    const xcb_randr_mode_info_t* modeInfos = xcb_randr_get_screen_resources_current_modes(resources.reply);
    const int modeCount = xcb_randr_get_screen_resources_current_modes_length(resources.reply);
    const xcb_randr_mode_t* outputModes = xcb_randr_get_output_info_modes(info.reply);
    for (int i = 0; i < xcb_randr_get_output_info_modes_length(info.reply); ++i)
        for (int m = 0; m < modeCount; ++m) {
            // A mode without timings (Xvfb's, some virtual displays') has no
            // rate: not one the game could be set to.
            const uint32_t rate = frequencyOf(modeInfos[m]);
            if (modeInfos[m].id == outputModes[i] && rate > 0)
                for (uint32_t depth : {32u, 16u, 8u})
                    result.push_back({modeInfos[m].width, modeInfos[m].height, depth, rate});
        }
    return result;
}

// The modes are asked afresh each time, over one connection to the X
// server kept for the program's run: a start asks four times.
class XrandrDisplayModes : public DisplayModeSource {
public:
    ~XrandrDisplayModes() override
    {
        if (connection_)
            xcb_disconnect(connection_);
    }
    std::vector<DisplayMode> modes() override
    {
        if (!std::getenv("DISPLAY"))
            return {};
        if (connection_ && xcb_connection_has_error(connection_)) {
            xcb_disconnect(connection_);
            connection_ = nullptr;
        }
        if (!connection_)
            connection_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection_))
            return {};
        return queryModes(connection_);
    }

private:
    xcb_connection_t* connection_ = nullptr;
};

} // namespace

std::unique_ptr<DisplayModeSource> platformDisplayModes()
{
    return std::make_unique<XrandrDisplayModes>();
}

} // namespace orvane
