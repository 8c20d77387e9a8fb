#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "platform/messages.h"

// Answers message boxes from a script and remembers every box it was shown. With the script empty it gives
// the cautious answer (OK, Cancel, No), so a forgotten answer never loops on Retry.
class FakeMessages final : public IMessages {
public:
    MessageAnswer ask(const MessageRequest& request) override
    {
        shown.push_back(request);
        if (onAsk)
            onAsk(request);
        if (!script.empty()) {
            const MessageAnswer a = script.front();
            script.pop_front();
            return a;
        }
        switch (request.buttons) {
        case MessageButtons::Ok: return MessageAnswer::Ok;
        case MessageButtons::YesNo: return MessageAnswer::No;
        default: return MessageAnswer::Cancel;
        }
    }

    void answer(std::initializer_list<MessageAnswer> answers) { script.insert(script.end(), answers); }
    const MessageRequest& last() const { return shown.back(); }

    std::deque<MessageAnswer> script;
    std::vector<MessageRequest> shown;
    std::function<void(const MessageRequest&)> onAsk;  // lets a test look at the program while a box is up
};
