#pragma once
#include "dialogs/Dialog.h"

#include <functional>
#include <string>
#include <vector>

namespace orvane {

// Picks a folder from a drive list and a folder tree. Opening a folder
// makes it the process's current directory; the tree shows the current
// directory when first opened and keeps its folder between uses.
class FolderChooser : public Dialog {
public:
    // chosen takes the open folder when the player confirms it.
    FolderChooser(Context& context, std::function<void(const std::string&)> chosen);

    void open(Window& mainWindow);
    const std::string& openFolder() const { return openFolder_; }

    // The user's events, which the layout names.
    void openListedFolder();
    void driveChosen();
    void confirm();
    void cancel();

private:
    void openAt(const std::string& folder);
    void showTree();

    std::function<void(const std::string&)> chosen_;
    ListControl& DirListBox;
    ListControl& DriveCombo;
    std::string openFolder_;
    bool listed_ = false;
    // The open folder's path from the drive root down, as the tree's first entries.
    std::vector<std::string> pathEntries_;
};

const WindowLayout& folderChooserLayout();

} // namespace orvane
