#include "platform/WindowsProgramStarter.h"

#include "files/WideText.h"
#include "platform/SystemFunction.h"

#include <windows.h>
#include <shellapi.h>

namespace orvane {
namespace {

bool shellOpen(const std::string& file, const std::string& parameters, std::string& reason, int show = SW_SHOW)
{
    static auto* const shellExecute = systemFunction<decltype(ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (!shellExecute) {
        reason = "Windows could not start " + file + ": shell32.dll or its ShellExecuteW is missing";
        return false;
    }
    const auto result = reinterpret_cast<INT_PTR>(shellExecute(
        nullptr, L"open", wide(file).c_str(), parameters.empty() ? nullptr : wide(parameters).c_str(), nullptr, show));
    if (result > 32)
        return true;
    reason = "Windows could not start " + file + " (error " + std::to_string(result) + ")";
    return false;
}

} // namespace

bool WindowsProgramStarter::startProgram(const std::string& file, const std::string& parameters, std::string& reason)
{
    return shellOpen(file, parameters, reason);
}

bool WindowsProgramStarter::openTextFile(const std::string& file, std::string& reason)
{
    return shellOpen("notepad", file, reason);
}

bool WindowsProgramStarter::openLink(const std::string& address, std::string& reason)
{
    return shellOpen(address, "", reason, SW_SHOWNORMAL);
}

} // namespace orvane
