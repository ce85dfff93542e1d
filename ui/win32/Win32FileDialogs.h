#pragma once
#include "context/FileDialogs.h"

namespace orvane {

// The common file dialogs of comdlg32, resizable, without owner window.
class Win32FileDialogs : public FileDialogs {
public:
    std::optional<std::string> choose(const FileDialogRequest& request) override;
};

} // namespace orvane
