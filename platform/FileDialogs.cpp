#include "platform/FileDialogs.h"

#include <stdexcept>

namespace orvane {
namespace {
FileDialogs* installed = nullptr;
}

FileDialogs& fileDialogs()
{
    if (!installed)
        throw std::logic_error("no file dialogs installed");
    return *installed;
}

void installFileDialogs(FileDialogs* dialogs)
{
    installed = dialogs;
}

std::optional<std::string> FileDialog::execute()
{
    std::optional<std::string> chosen = fileDialogs().choose(request_);
    if (chosen && !chosen->empty())
        request_.fileName = *chosen;
    return chosen;
}

} // namespace orvane
