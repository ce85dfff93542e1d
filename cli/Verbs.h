#pragma once
// What each option of the command line does, one file each. Each returns
// the exit status or whether it succeeded; messages go to err.
#include "cli/CommandLine.h"
#include "cli/Headless.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace orvane {

// --help: usage() of CommandLine.h.
int printHelp(bool withWinePrefixes, const Texts& texts, std::ostream& out);

// --version
int printVersion(std::ostream& out);

// --load, before Orvane starts: the file read and checked, so that nothing
// is written for a file that is refused. What it would store that the
// game cannot use is told once it is loaded.
struct CheckedConfiguration {
    std::vector<std::string> unusable;
};
std::optional<CheckedConfiguration> checkedConfiguration(const std::string& name, SettingsPlace& place,
                                                         DisplayModeSource& display, const Texts& texts,
                                                         std::ostream& err);
// --load: the checked file into the registry as Load Configuration does,
// one line on out per stored value it changed.
bool loadConfiguration(HeadlessProgram& program, const std::string& name, const CheckedConfiguration& checked,
                       std::ostream& out, std::ostream& err);

// --history: one line per entry, newest first, tab-separated: its number,
// local time in ISO 8601, what made it, how many values it puts back.
int listHistory(const SettingsPlace& place, const Texts& texts, std::ostream& out, std::ostream& err);
// --restore N or FILE, with the safety of --load; each value it changed on
// out, the values another program had changed since on err.
int restoreSettings(const CommandLine& line, SettingsPlace place, DisplayModeSource& display, const Texts& texts,
                    std::ostream& out, std::ostream& err);

// --save alone: what the start makes stays in memory, as an export changes nothing.
SettingsPlace withoutLastingChanges(SettingsPlace place);
// --save: the settings as a configuration file, or on out for "-".
void saveConfiguration(HeadlessProgram& program, const std::string& target, std::ostream& out);

} // namespace orvane
