#include "context/FileDialogs.h"

namespace orvane {

std::optional<std::string> FileDialog::execute()
{
    std::optional<std::string> chosen = dialogs_.choose(request_);
    if (chosen && !chosen->empty())
        request_.fileName = *chosen;
    return chosen;
}

} // namespace orvane
