#pragma once
// The window's own logic run without a window, for the command line: its
// questions whether to save answered "Yes", every other message it would
// show written to the error stream, and no program started.
#include "app/Startup.h"
#include "context/Context.h"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace orvane {

class NoWindows : public Toolkit {
public:
    void realise(Window&) override {}
    void quit() override {}
};

// Every box but the questions whether to save goes to the error stream;
// all but the notice of values kept report a refusal or an error.
class WrittenBoxes : public MessageBoxes {
public:
    explicit WrittenBoxes(std::ostream& err) : err_(err) {}
    MessageAnswer show(const MessageBoxRequest& request) override;
    bool failed = false;

private:
    std::ostream& err_;
};

// The file dialogs choose the file the command names.
class NamedFile : public FileDialogs {
public:
    std::optional<std::string> choose(const FileDialogRequest&) override { return name; }
    std::string name;
};

class NoStarts : public ProgramStarter {
public:
    bool startProgram(const std::string&, const std::string&, std::string& reason) override;
    bool openTextFile(const std::string&, std::string& reason) override;
    bool openLink(const std::string&, std::string& reason) override;
};

class HeadlessProgram {
public:
    HeadlessProgram(SettingsPlace place, DisplayModeSource& display, std::vector<std::string> passedOn,
                    const Texts& texts, std::ostream& err);
    // Starts as the window does; false when the start failed or told of an error.
    bool start();
    // Runs a command of the window as an event of the player's runs.
    void run(const std::function<void(MainWindow&)>& command);
    // The file the next file dialog chooses.
    void chooseFile(std::string name) { files_.name = std::move(name); }
    // Whether a message told of a refusal or an error so far.
    bool failed() const { return boxes_.failed; }
    Context& context() { return context_; }

private:
    NoWindows toolkit_;
    WrittenBoxes boxes_;
    NamedFile files_;
    NoStarts starter_;
    Context context_;
    Windows windows_;
};

// An error as a script's log needs it: the window's words and the system's reason.
std::string withReason(std::string text, const std::string& reason);

} // namespace orvane
