#pragma once

#include <optional>

#include "mainwin/mainwindowlistener.h"

// Which year-button key a key press is. Comma and period are matched by the physical key where the
// platform reports it (Linux key codes), so Shift+comma steps back on every keyboard layout, and by the
// key's symbol otherwise.
std::optional<YearKey> yearKeyFor(int qtKey, unsigned nativeScanCode);
