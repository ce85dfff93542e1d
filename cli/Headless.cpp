#include "cli/Headless.h"

#include "files/Errors.h"

namespace orvane {
namespace {

bool refuse(std::string& reason)
{
    reason = "Orvane starts no program from the command line";
    return false;
}

} // namespace

std::string withReason(std::string text, const std::string& reason)
{
    if (reason.empty())
        return text;
    if (text.ends_with('.'))
        text.pop_back();
    return withFullStop(text + ": " + reason);
}

MessageAnswer WrittenBoxes::show(const MessageBoxRequest& request)
{
    // A running game the load has told of already, before it began.
    if (request.id == MessageId::SaveLoadedConfiguration || request.id == MessageId::GameRunning)
        return MessageAnswer::Yes;
    err_ << withReason(request.text, request.detail) << '\n';
    // Neither stops the change: the command ends as it would have.
    failed = failed || (request.id != MessageId::NewerValuesKept && request.id != MessageId::HistoryNotKept);
    return request.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

bool NoStarts::startProgram(const std::string&, const std::string&, std::string& reason)
{
    return refuse(reason);
}

bool NoStarts::openTextFile(const std::string&, std::string& reason)
{
    return refuse(reason);
}

bool NoStarts::openLink(const std::string&, std::string& reason)
{
    return refuse(reason);
}

HeadlessProgram::HeadlessProgram(SettingsPlace place, DisplayModeSource& display, std::vector<std::string> passedOn,
                                 const Texts& texts, std::ostream& err)
    : boxes_(err),
      context_({toolkit_, boxes_, files_, starter_, display}, std::move(place), std::move(passedOn), {}, texts)
{}

bool HeadlessProgram::start()
{
    return startProgram(windows_, context_) == StartOutcome::Running && !boxes_.failed;
}

void HeadlessProgram::run(const std::function<void(MainWindow&)>& command)
{
    MainWindow& window = *windows_.main;
    context_.commands.run([&] { command(window); });
}

} // namespace orvane
