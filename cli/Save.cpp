// --save FILE, or --save - for standard output.
#include "cli/Verbs.h"
#include "config/ConfigFile.h"
#include "registry/OverlayStore.h"

namespace orvane {

SettingsPlace withoutLastingChanges(SettingsPlace place)
{
    place.openStore = [open = std::move(place.openStore)] { return std::make_unique<OverlayStore>(open()); };
    place.history.clear(); // nothing is changed that could be restored
    return place;
}

void saveConfiguration(HeadlessProgram& program, const std::string& target, std::ostream& out)
{
    if (target != "-") {
        program.chooseFile(target);
        program.run([](MainWindow& window) { window.saveConfigurationFile(); });
        return;
    }
    program.run([&](MainWindow& window) {
        IniDocument document;
        storeConfiguration(document, program.context().settings, window.accounts().names());
        out << document.serialize();
    });
}

} // namespace orvane
