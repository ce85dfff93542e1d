#include "dialogs/FolderChooser.h"

#include "platform/Folders.h"
#include "files/Errors.h"

#include <cctype>

namespace orvane {
namespace {

// "C:\Games\Warcraft III" as "C:\", "C:\Games", "C:\Games\Warcraft III".
std::vector<std::string> pathFromRoot(const std::string& folder)
{
    std::vector<std::string> path;
    if (folder.size() < 2)
        return path;
    path.push_back(folder.substr(0, 2) + "\\");
    for (size_t at = folder.find('\\', 3);; at = folder.find('\\', at + 1)) {
        const std::string prefix = folder.substr(0, at);
        if (prefix.size() > 3)
            path.push_back(prefix);
        if (at == std::string::npos)
            break;
    }
    return path;
}

std::string lastComponent(const std::string& folder)
{
    return folder.size() <= 3 ? folder : folder.substr(folder.rfind('\\') + 1);
}

std::string childOf(const std::string& folder, const std::string& name)
{
    return folder.ends_with('\\') ? folder + name : folder + "\\" + name;
}

} // namespace

// clang-format off
const WindowLayout& folderChooserLayout()
{
    using enum ControlKind;
    static const WindowLayout layout{
        .name = "CDForm",
        .caption = "Choose Directory",
        .clientWidth = 241,
        .clientHeight = 305,
        .controls = {
            {.kind = ListBox, .name = "DirListBox", .left = 32, .top = 8, .width = 177, .height = 209, .tab = 0, .handler = on<&FolderChooser::openListedFolder>},
            {.kind = DropDownList, .name = "DriveCombo", .left = 36, .top = 228, .width = 169, .height = 21, .tab = 1, .handler = on<&FolderChooser::driveChosen>},
            {.kind = Button, .name = "OKButton", .caption = "OK", .left = 32, .top = 268, .width = 75, .height = 25, .tab = 2, .handler = on<&FolderChooser::confirm>},
            {.kind = Button, .name = "CancelButton", .caption = "Cancel", .left = 134, .top = 268, .width = 75, .height = 25, .tab = 3, .handler = on<&FolderChooser::cancel>},
        },
    };
    return layout;
}
// clang-format on

FolderChooser::FolderChooser(Context& context, std::function<void(const std::string&)> chosen)
    : Dialog(folderChooserLayout(), context),
      chosen_(std::move(chosen)),
      DirListBox(window_.list("DirListBox")),
      DriveCombo(window_.list("DriveCombo"))
{
    window_.bindHandlers(*this);
}

void FolderChooser::open(Window& mainWindow)
{
    // Listed when first wanted: most runs never open it, and asking for the
    // drives and a folder's subfolders would cost every start.
    if (!listed_) {
        DriveCombo.addItems(folderDrives(context_.place.paths));
        openFolder_ = currentFolder(context_.place.paths);
        showTree();
        listed_ = true;
    }
    Dialog::open(mainWindow);
}

void FolderChooser::showTree()
{
    pathEntries_ = pathFromRoot(openFolder_);
    std::vector<std::string> items;
    for (const std::string& entry : pathEntries_)
        items.push_back(lastComponent(entry));
    for (const std::string& name : subfoldersOf(context_.place.paths, openFolder_))
        items.push_back(name);
    DirListBox.clear();
    DirListBox.addItems(items);
    DirListBox.select(static_cast<int>(pathEntries_.size()) - 1);
    const std::string drive{
        static_cast<char>(std::tolower(static_cast<unsigned char>(openFolder_.empty() ? ' ' : openFolder_[0]))), ':'};
    for (int i = 0; i < DriveCombo.count(); ++i)
        if (DriveCombo.items()[static_cast<size_t>(i)] == drive)
            DriveCombo.select(i);
}

void FolderChooser::openAt(const std::string& folder)
{
    if (!enterFolder(context_.place.paths, folder)) {
        showTree(); // what is there now
        throw OrvaneError(context_.texts.formatted(
            "The folder %s cannot be opened; it may have been removed. Choose another one", {folder}));
    }
    openFolder_ = currentFolder(context_.place.paths);
    showTree();
}

void FolderChooser::openListedFolder()
{
    const int entry = DirListBox.selected();
    if (entry < 0)
        return;
    if (entry < static_cast<int>(pathEntries_.size()))
        openAt(pathEntries_[static_cast<size_t>(entry)]);
    else
        openAt(childOf(openFolder_, DirListBox.text()));
}

void FolderChooser::driveChosen()
{
    const std::string drive = DriveCombo.text();
    if (drive.empty() || openFolder_.empty() ||
        std::tolower(static_cast<unsigned char>(drive[0])) == std::tolower(static_cast<unsigned char>(openFolder_[0])))
        return;
    const std::optional<std::string> folder = driveFolder(context_.place.paths, drive[0]);
    if (!folder) {
        showTree();
        throw OrvaneError(
            context_.texts.formatted("The drive %s is not ready. Insert its disk or choose another drive", {drive}));
    }
    openAt(*folder);
}

void FolderChooser::confirm()
{
    close();
    chosen_(openFolder_);
}

void FolderChooser::cancel()
{
    close();
}

} // namespace orvane
