#include "mainwin/yearkeys.h"

#include <Qt>

namespace {
// X11 and Wayland key codes (evdev code + 8) of the comma and period keys of a PC keyboard.
constexpr unsigned kCommaKeyCode = 59;
constexpr unsigned kPeriodKeyCode = 60;
} // namespace

std::optional<YearKey> yearKeyFor(int qtKey, unsigned nativeScanCode)
{
    if (qtKey == Qt::Key_Space)
        return YearKey::Space;
    if (nativeScanCode == kCommaKeyCode)
        return YearKey::Comma;
    if (nativeScanCode == kPeriodKeyCode)
        return YearKey::Period;
    switch (qtKey) {
    case Qt::Key_Comma:
    case Qt::Key_Less:
        return YearKey::Comma;
    case Qt::Key_Period:
    case Qt::Key_Greater:
        return YearKey::Period;
    default:
        return std::nullopt;
    }
}
