#include "ui/win32/Win32MessageBoxes.h"

#include "ui/win32/Win32Text.h"

namespace orvane {

MessageAnswer Win32MessageBoxes::show(const MessageBoxRequest& request)
{
    UINT type = request.buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK;
    switch (request.icon) {
    case MessageIcon::Information: type |= MB_ICONINFORMATION; break;
    case MessageIcon::Question: type |= MB_ICONQUESTION; break;
    case MessageIcon::Warning: type |= MB_ICONWARNING; break;
    case MessageIcon::Error: type |= MB_ICONERROR; break;
    }
    const int answer = MessageBoxW(nullptr, wide(request.text).c_str(), wide(request.caption).c_str(), type);
    if (request.buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answer == IDYES ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace orvane
