#pragma once
// The program's message boxes: no owner window, an icon, OK or Yes/No.
// The real boxes are the toolkit's; tests hand the program a double that
// gives the next answer.
#include <string>

namespace orvane {

enum class MessageIcon { Information, Question, Warning, Error };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Which of the program's boxes it is: whoever answers without asking the
// player (the command line) tells them apart by this, not by their words.
enum class MessageId {
    Error, // the default error box
    NotInstalled,
    PortRefused,
    AccountNameTaken,
    SameProfileName,
    CleanupQuestion,
    SaveLoadedConfiguration,
    NewerValuesKept,
    GameRunning,
    NothingToUndo,
    HistoryNotKept, // the change was made all the same
};

struct MessageBoxRequest {
    MessageId id = MessageId::Error;
    std::string caption;
    std::string text;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
    // The system's reason behind an error, for a reader who wants it; the
    // box itself shows the text only.
    std::string detail = {};
    bool operator==(const MessageBoxRequest&) const = default;
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(const MessageBoxRequest& request) = 0;
};

} // namespace orvane
