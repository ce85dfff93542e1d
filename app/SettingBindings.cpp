#include "app/SettingBindings.h"

#include <algorithm>
#include <array>

namespace orvane {
namespace {

using S = SettingsSnapshot;
using enum Shown;

constexpr auto Bindings = std::to_array<SettingBinding>({
    // Gameplay
    {"MSCB", &S::mousescrolldisable, InvertedCheck, "gas"},
    {"MSTrackBar", &S::mousescroll, Slider, "gas", "MSCount"},
    {"KSTrackBar", &S::keyscroll, Slider, "gas", "KSCount"},
    {"TTCB", &S::tooltips, Check, "gas"},
    {"NetGP", &S::netgameport, Port, "gas"},
    // Video; the rate list follows the resolution and the depth it is built for.
    {"ResCB", &S::reswidth, Resolution, "vas"},
    {"", &S::resheight, NotShown, "vas"}, // ResCB shows it with the width
    {"CDCombo", &S::colordepth, Depth, "vas"},
    {"RRCombo", &S::refreshrate, RefreshRate, "vas"},
    {"MDCombo", &S::modeldetail, Level, "vas"},
    {"AQCombo", &S::animquality, Level, "vas"},
    {"TQCombo", &S::texquality, Level, "vas"},
    {"PCombo", &S::particles, Level, "vas"},
    {"LCombo", &S::lights, Level, "vas"},
    {"USCB", &S::unitshadows, Check, "vas"},
    {"OCB", &S::occlusion, Check, "vas"},
    {"GammaTrackBar", &S::gamma, Slider, "vas", "GammaCount"},
    {"MipCombo", &S::miplevel, Level, "vas"},
    {"TCDCombo", &S::texcolordepth, Depth, "vas"},
    {"OGLCB", &S::opengl, Flag, "vas"},
    // Sound
    {"SFXCB", &S::sfx, Check, "sas"},
    {"SFXTrackBar", &S::sfxvolume, Slider, "sas", "SFXCount"},
    {"MCB", &S::music, Check, "sas"},
    {"MusicTrackBar", &S::musicvolume, Slider, "sas", "MusicCount"},
    {"EnvCB", &S::environmental, Check, "sas"},
    {"MovCB", &S::movement, Check, "sas"},
    {"URCB", &S::unit, Check, "sas"},
    {"STCB", &S::subtitles, Check, "sas"},
    {"PosCB", &S::positional, Check, "sas"},
    {"AmbCB", &S::ambient, Check, "sas"},
    {"SndSysCombo", &S::provider, Level, "sas"},
    {"MidiCB", &S::nomidi, InvertedCheck, "sas"},
    {"SoftMidiCB", &S::softwaremidi, Check, "sas"},
    {"", &S::nosoundwarn, NotShown, "sas"},
    // Miscellaneous
    {"CPCombo", &S::campaignprofile, Profile, "mas"},
    {"BnetName", &S::userbnet, Account, "mas"},
    {"LANName", &S::userlocal, Text, "mas"},
    {"PS", &S::savpath, Text, "mas"},
    {"PR", &S::reppath, Text, "mas"},
    {"PL", &S::logpath, Text, "mas"},
    {"PE", &S::errpath, Text, "mas"},
    {"IMCB", &S::seenintromovie, InvertedCheck, "mas"},
    {"ALFCB", &S::AllowLocalFiles, Check, "mas"},
});

} // namespace

std::span<const SettingBinding> settingBindings()
{
    return Bindings;
}

bool appliedBy(std::string_view group, const schema::Field& field)
{
    if (group == "all")
        return true;
    return std::any_of(Bindings.begin(), Bindings.end(),
                       [&](const SettingBinding& row) { return row.field == field && row.group == group; });
}

} // namespace orvane
