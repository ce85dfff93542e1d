#pragma once
#include "platform/FileDialogs.h"

namespace orvane {

// Qt's file dialogs, modal, without owner window.
class QtFileDialogs : public FileDialogs {
public:
    std::optional<std::string> choose(const FileDialogRequest& request) override;
};

} // namespace orvane
