#pragma once
#include "context/FileDialogs.h"

namespace orvane {

// Qt's file dialogs, modal, without owner window.
class QtFileDialogs : public FileDialogs {
public:
    std::optional<std::string> choose(const FileDialogRequest& request) override;
};

} // namespace orvane
