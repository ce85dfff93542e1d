#include "app/CampaignProfiles.h"

#include "config/ConfigFile.h"
#include "settings/Schema.h"

#include <filesystem>

namespace orvane {
namespace {

std::string profileFolder(const std::string& savpath, int number)
{
    return savpath + "\\Profile" + std::to_string(number);
}

std::string profileFile(const std::string& savpath, int number)
{
    return profileFolder(savpath, number) + "\\Campaigns.w3p";
}

} // namespace

std::optional<std::string> profileName(const PathMapping& paths, const std::string& savpath, int number)
{
    std::error_code error;
    if (!std::filesystem::is_directory(paths.hostPath(profileFolder(savpath, number)), error))
        return std::nullopt;
    const IniDocument profile = IniDocument::load(paths.hostPath(profileFile(savpath, number)));
    return profile.readString("Campaign", "PlayerName", "noprofile");
}

void renameProfile(RegistryAccess& registry, const PathMapping& paths, const std::string& savpath, int number,
                   const std::string& newName)
{
    const std::filesystem::path file = paths.hostPath(profileFile(savpath, number));
    // The game may keep a profile in a form of its own: never replace it with a few lines of text.
    IniDocument profile = readProfileFile(file);
    profile.writeString("Campaign", "PlayerName", newName);
    // The registry first, written through: when it refuses (Wine running),
    // the profile file has not been touched.
    const std::string miscKey = std::string(schema::MiscKey) + "\\";
    RegistryKey misc = registry.openKey(miscKey);
    const std::optional<std::string> stored =
        misc.hasValue("campaignprofile") ? std::optional(misc.readString("campaignprofile")) : std::nullopt;
    misc.writeString("campaignprofile", newName);
    registry.flush();
    try {
        profile.save(file);
    } catch (const std::exception&) {
        misc = registry.openKey(miscKey);
        if (stored)
            misc.writeString("campaignprofile", *stored);
        else
            misc.deleteValue("campaignprofile");
        throw;
    }
}

} // namespace orvane
