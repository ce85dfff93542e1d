#include "ui/win32/Win32FileDialogs.h"

#include "platform/SystemFunction.h"
#include "ui/win32/Win32Text.h"

#include <commdlg.h>

#include <vector>

namespace orvane {

std::optional<std::string> Win32FileDialogs::choose(const FileDialogRequest& request)
{
    const bool save = request.purpose == FileDialogRequest::Purpose::Save;
    // "Name\0pattern\0\0"
    std::wstring filter = wide(request.filterName) + L'\0' + wide(request.filterPattern) + L'\0' + L'\0';
    const std::wstring title = wide(request.title);
    const std::wstring extension = wide(request.defaultExtension);
    std::vector<wchar_t> file(32768, L'\0');
    const std::wstring last = wide(request.fileName);
    std::copy(last.begin(), last.begin() + std::min<size_t>(last.size(), file.size() - 1), file.begin());

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = extension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST |
                   (save ? OFN_OVERWRITEPROMPT | OFN_NOREADONLYRETURN : OFN_FILEMUSTEXIST);
    static auto* const saveDialog = systemFunction<decltype(GetSaveFileNameW)>(L"comdlg32.dll", "GetSaveFileNameW");
    static auto* const openDialog = systemFunction<decltype(GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
    auto* const run = save ? saveDialog : openDialog;
    if (!run || !run(&dialog))
        return std::nullopt;
    return utf8(file.data());
}

} // namespace orvane
