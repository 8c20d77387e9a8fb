#pragma once

#include <optional>

// Holds the hourglass pointer for as long as it lives: set once when made, restored once when it goes.
class BusyCursorGuard {
public:
    BusyCursorGuard();
    ~BusyCursorGuard();
    BusyCursorGuard(const BusyCursorGuard&) = delete;
    BusyCursorGuard& operator=(const BusyCursorGuard&) = delete;
};

// The one owner of the hourglass pointer for the windows that switch it on and off as a state ("busy",
// "not busy"): switching it on twice sets it once, switching it off when it is off restores nothing, and
// the pointer goes back when the owner goes.
class BusyCursor {
public:
    void set(bool busy)
    {
        if (busy && !m_guard)
            m_guard.emplace();
        else if (!busy)
            m_guard.reset();
    }
    bool isBusy() const { return m_guard.has_value(); }

private:
    std::optional<BusyCursorGuard> m_guard;
};
