#include "app/SettingBindings.h"

#include <array>

namespace orvane {
namespace {

using S = SettingsSnapshot;
using enum Shown;

// clang-format off
constexpr auto Bindings = std::to_array<SettingBinding>({
    // Gameplay
    {"MSCB", &S::mousescrolldisable, InvertedCheck},
    {"MSTrackBar", &S::mousescroll, Slider, "MSCount"},
    {"KSTrackBar", &S::keyscroll, Slider, "KSCount"},
    {"TTCB", &S::tooltips, Check},
    {"NetGP", &S::netgameport, Port},
    // Video; the rate list follows the resolution and the depth it is built for.
    {"ResCB", &S::reswidth, Resolution},
    {"", &S::resheight, NotShown}, // ResCB shows it with the width
    {"CDCombo", &S::colordepth, Depth},
    {"RRCombo", &S::refreshrate, RefreshRate},
    {"MDCombo", &S::modeldetail, Level},
    {"AQCombo", &S::animquality, Level},
    {"TQCombo", &S::texquality, Level},
    {"PCombo", &S::particles, Level},
    {"LCombo", &S::lights, Level},
    {"USCB", &S::unitshadows, Check},
    {"OCB", &S::occlusion, Check},
    {"GammaTrackBar", &S::gamma, Slider, "GammaCount"},
    {"MipCombo", &S::miplevel, Level},
    {"TCDCombo", &S::texcolordepth, Depth},
    {"OGLCB", &S::opengl, Flag},
    // Sound
    {"SFXCB", &S::sfx, Check},
    {"SFXTrackBar", &S::sfxvolume, Slider, "SFXCount"},
    {"MCB", &S::music, Check},
    {"MusicTrackBar", &S::musicvolume, Slider, "MusicCount"},
    {"EnvCB", &S::environmental, Check},
    {"MovCB", &S::movement, Check},
    {"URCB", &S::unit, Check},
    {"STCB", &S::subtitles, Check},
    {"PosCB", &S::positional, Check},
    {"AmbCB", &S::ambient, Check},
    {"SndSysCombo", &S::provider, Level},
    {"MidiCB", &S::nomidi, InvertedCheck},
    {"SoftMidiCB", &S::softwaremidi, Check},
    {"", &S::nosoundwarn, NotShown},
    // Miscellaneous
    {"CPCombo", &S::campaignprofile, Profile},
    {"BnetName", &S::userbnet, Account},
    {"LANName", &S::userlocal, Text},
    {"PS", &S::savpath, Text},
    {"PR", &S::reppath, Text},
    {"PL", &S::logpath, Text},
    {"PE", &S::errpath, Text},
    {"IMCB", &S::seenintromovie, InvertedCheck},
    {"ALFCB", &S::AllowLocalFiles, Check},
});
// clang-format on

} // namespace

bool showsField(const SettingBinding& row, const schema::Field& field)
{
    return row.field == field ||
           (row.shown == Shown::Resolution && field == schema::Field{&SettingsSnapshot::resheight});
}

std::span<const SettingBinding> settingBindings()
{
    return Bindings;
}

} // namespace orvane
