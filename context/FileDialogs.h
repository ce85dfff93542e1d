#pragma once
// The standard file dialogs. The real ones are the toolkit's; tests hand
// the program a double that gives the next file name.
#include <optional>
#include <string>

namespace orvane {

struct FileDialogRequest {
    enum class Purpose { Open, Save };
    Purpose purpose = Purpose::Open;
    std::string name; // the dialog's name in its window: "SaveConfigDlg"
    std::string title;
    std::string filterName;       // "Orvane Configuration (*.ini)"
    std::string filterPattern;    // "*.ini"
    std::string defaultExtension; // added to a typed name that has none
    std::string fileName;         // the name last chosen, to start from
    bool operator==(const FileDialogRequest&) const = default;
};
// Opening: only an existing file can be chosen. Saving: an existing file is
// replaced only after a question, and a read-only one is refused.

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The full path chosen, or nullopt when the user cancelled.
    virtual std::optional<std::string> choose(const FileDialogRequest& request) = 0;
};

// A file dialog of a window: it keeps the name last chosen until the program ends.
class FileDialog {
public:
    FileDialog(FileDialogs& dialogs, FileDialogRequest request) : dialogs_(dialogs), request_(std::move(request)) {}
    // Shows the dialog; the chosen full path, or nullopt when cancelled.
    std::optional<std::string> execute();
    const FileDialogRequest& request() const { return request_; }
    void setTitle(const std::string& title) { request_.title = title; }

private:
    FileDialogs& dialogs_;
    FileDialogRequest request_;
};

} // namespace orvane
