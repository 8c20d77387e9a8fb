#pragma once

#include "platform/messages.h"

class IScreen;

// The display check of the File menu: the short message on the 800 x 600 screen the windows are laid out
// for, else the long one with the screen's size and the steps to change it.
namespace displaycheck {
QString optimumText();
// width and height in pixels.
QString adviceText(long long width, long long height);
MessageRequest message(const IScreen& screen);
} // namespace displaycheck
