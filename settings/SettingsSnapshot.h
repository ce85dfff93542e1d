#pragma once
// The in-memory record of every setting, one field per registry value:
// the game's, and Orvane's own in its key "Software\Orvane".
#include <cstdint>
#include <string>

namespace orvane {

struct SettingsSnapshot {
    // Video
    int32_t animquality = 0;
    int32_t colordepth = 0;
    int32_t gamma = 0;
    int32_t lights = 0;
    int32_t miplevel = 0;
    int32_t modeldetail = 0;
    int32_t occlusion = 0;
    int32_t particles = 0;
    int32_t refreshrate = 0;
    int32_t resheight = 0;
    int32_t reswidth = 0;
    int32_t texcolordepth = 0;
    int32_t texquality = 0;
    int32_t unitshadows = 0;
    // Sound
    int32_t ambient = 0;
    int32_t environmental = 0;
    int32_t movement = 0;
    int32_t music = 0;
    int32_t musicvolume = 0;
    int32_t nomidi = 0;
    int32_t nosoundwarn = 0;
    int32_t positional = 0;
    int32_t provider = 0;
    int32_t sfx = 0;
    int32_t sfxvolume = 0;
    int32_t softwaremidi = 0;
    int32_t subtitles = 0;
    int32_t unit = 0;
    // Gameplay
    int32_t keyscroll = 0;
    int32_t mousescroll = 0;
    int32_t mousescrolldisable = 0;
    int32_t netgameport = 0;
    int32_t tooltips = 0;

    int32_t seenintromovie = 0;
    int32_t AllowLocalFiles = 0; // the registry value "Allow Local Files"

    std::string userbnet;
    std::string userlocal;
    std::string campaignprofile;
    std::string savpath;
    std::string reppath;
    std::string logpath;
    std::string errpath;
    std::string startparams; // added to the game's and the editor's command line

    bool autoapply = false;
    bool opengl = false;

    bool operator==(const SettingsSnapshot&) const = default;
};

} // namespace orvane
