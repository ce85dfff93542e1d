#include "context/Commands.h"

#include "context/ProgramInfo.h"
#include "files/Errors.h"
#include "registry/ChangeHistory.h"

namespace orvane {

void Commands::showErrorBox(const std::exception& error)
{
    const auto* file = dynamic_cast<const FileError*>(&error);
    if (dynamic_cast<const HistoryNotKept*>(&error)) {
        boxes_.show({MessageId::HistoryNotKept, ApplicationTitle, withFullStop(error.what()), MessageIcon::Warning,
                     MessageButtons::Ok, file->reason()});
        return;
    }
    boxes_.show({MessageId::Error, ApplicationTitle, withFullStop(error.what()), MessageIcon::Error, MessageButtons::Ok,
                 file ? file->reason() : std::string()});
}

void Commands::begin()
{
    if (depth_++ == 0)
        commandRegistry_ = registry_.get();
    if (commandRegistry_ && commandRegistry_ == registry_.get())
        commandRegistry_->beginCommand();
}

void Commands::end()
{
    --depth_;
    RegistryAccess* registry = commandRegistry_;
    if (depth_ == 0)
        commandRegistry_ = nullptr;
    if (registry && registry == registry_.get())
        registry->endCommand();
}

} // namespace orvane
