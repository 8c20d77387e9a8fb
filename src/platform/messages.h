#pragma once

#include <QString>

// Message boxes and questions. Every box the program shows goes through this port so that tests can answer
// by script and read what was asked.

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, RetryCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Retry, Yes, No };

struct MessageRequest {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    bool systemModal = false;  // stays above every window of the program
    bool preformatted = false; // the lines are shown as they stand: no word wrap, leading blanks kept
};

class IMessages {
public:
    virtual ~IMessages() = default;
    // Shows the box modally and returns the button the user chose.
    virtual MessageAnswer ask(const MessageRequest& request) = 0;
};
