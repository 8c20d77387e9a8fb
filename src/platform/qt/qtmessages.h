#pragma once

#include "platform/messages.h"

// Message boxes as QMessageBox, parented to the active window.
class QtMessages final : public IMessages {
public:
    MessageAnswer ask(const MessageRequest& request) override;
};
