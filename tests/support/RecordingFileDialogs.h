#pragma once
// The file-dialog double: records every dialog and gives the next answer,
// a full path or a cancel.
#include "context/FileDialogs.h"

#include <deque>
#include <vector>

namespace orvane::test {

class RecordingFileDialogs : public FileDialogs {
public:
    std::optional<std::string> choose(const FileDialogRequest& request) override
    {
        shown.push_back(request);
        if (passTo)
            return passTo->choose(request);
        if (answers_.empty())
            return std::nullopt;
        std::optional<std::string> answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    void setNextFileName(const std::string& path) { answers_.push_back(path); }
    void setNextCancel() { answers_.push_back(std::nullopt); }

    std::vector<FileDialogRequest> shown;
    // Set: the dialogs it shows instead of answering itself.
    FileDialogs* passTo = nullptr;

private:
    std::deque<std::optional<std::string>> answers_;
};

} // namespace orvane::test
