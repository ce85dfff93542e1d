#pragma once
// The message-box double: records every box and gives the next answer.
#include "context/MessageBoxes.h"

#include <deque>
#include <vector>

namespace orvane::test {

class RecordingMessageBoxes : public MessageBoxes {
public:
    MessageAnswer show(const MessageBoxRequest& request) override
    {
        shown.push_back(request);
        if (answers_.empty())
            return request.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
        const MessageAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    void setNextAnswer(MessageAnswer answer) { answers_.push_back(answer); }

    std::vector<MessageBoxRequest> shown;

private:
    std::deque<MessageAnswer> answers_;
};

} // namespace orvane::test
