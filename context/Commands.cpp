#include "context/Commands.h"

#include "context/ProgramInfo.h"
#include "files/Errors.h"
#include "registry/ChangeHistory.h"

namespace orvane {

std::string messageOf(const std::exception& error, const Texts& texts)
{
    const auto* ours = dynamic_cast<const OrvaneError*>(&error);
    if (!ours)
        return error.what();
    if (ours->format().empty())
        return texts(ours->what());
    return texts.formatted(ours->format(), ours->values());
}

void Commands::showErrorBox(const std::exception& error)
{
    const auto* file = dynamic_cast<const FileError*>(&error);
    const std::string message = withFullStop(messageOf(error, texts_));
    if (dynamic_cast<const HistoryNotKept*>(&error)) {
        boxes_.show({MessageId::HistoryNotKept, ApplicationTitle, message, MessageIcon::Warning, MessageButtons::Ok,
                     file->reason()});
        return;
    }
    boxes_.show({MessageId::Error, ApplicationTitle, message, MessageIcon::Error, MessageButtons::Ok,
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
