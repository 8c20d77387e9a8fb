#pragma once

#include <functional>

#include <QString>

#include "output/bookletplan.h"

class IMessages;
class IPrinter;
struct Session;

// The booklet panel's Print button and the photo print: checks the years, prints, and tells the user how it
// went (ER040 with what was printed kept, ER059 for a missing or reversed range, "Booklet printed!").
class BookletController {
public:
    BookletController(Session& session, IPrinter& printer, IMessages& messages);
    void setBusyPointer(std::function<void(bool)> busy) { m_busy = std::move(busy); }

    // cmdPrint with the ticked boxes and the two lists' selected items (empty: none). True when the booklet
    // was printed, so the buttons become "Print Again" and "Exit".
    bool printBooklet(const BookletChoice& ticked, const QString& fromItem, const QString& toItem);
    // mnuPrintPhoto. True when the photo was printed.
    bool printCurrentPhoto();

private:
    void busy(bool on);

    Session& m_session;
    IPrinter& m_printer;
    IMessages& m_messages;
    std::function<void(bool)> m_busy;
};
