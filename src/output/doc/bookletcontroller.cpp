#include "output/doc/bookletcontroller.h"

#include <QImage>

#include "catalog/errorcodes.h"
#include "catalog/mediarules.h"
#include "output/doc/bookletprinter.h"
#include "output/doc/photoprint.h"
#include "platform/messages.h"
#include "session/session.h"

BookletController::BookletController(Session& session, IPrinter& printer, IMessages& messages)
    : m_session(session), m_printer(printer), m_messages(messages)
{
}

void BookletController::busy(bool on)
{
    if (m_busy)
        m_busy(on);
}

bool BookletController::printBooklet(const BookletChoice& ticked, const QString& fromItem,
                                     const QString& toItem)
{
    const int from = booklet::yearNumber(fromItem);
    const int to = booklet::yearNumber(toItem);
    busy(true);
    m_session.errors.code = errc::kPrintBooklet;
    const BookletPlan plan = planBooklet(ticked, from, to);
    BookletPrinter printer(m_printer, m_session.files, m_session.roots);
    const BookletPrinter::Result result = printer.print(plan);
    busy(false);
    if (!result.ok) {
        m_session.reporter.report(errc::kPrintBooklet);
        return false;
    }
    if (plan.yearsMissing) {
        m_session.reporter.report(errc::kBookletYearsMissing);
        return false;
    }
    m_session.errors.text = QStringLiteral("Booklet printed!\r\n");
    m_messages.ask({errors::kTitle, m_session.errors.text, MessageIcon::Warning, MessageButtons::Ok});
    return true;
}

bool BookletController::printCurrentPhoto()
{
    if (m_messages.ask({QString(), QStringLiteral("Would you like to print this photograph?"),
                        MessageIcon::Question, MessageButtons::OkCancel}) != MessageAnswer::Ok)
        return false;
    QImage photo;
    if (m_session.selection.hasEntry() && !m_session.step.currentPhotoPath.isEmpty())
        if (const auto path = m_session.files.resolve(m_session.step.currentPhotoPath))
            photo.load(*path);
    if (photo.isNull())
        if (const auto path = m_session.files.resolve(mediarules::photoPrintFallback().in(m_session.roots)))
            photo.load(*path);
    if (photo.isNull()) {
        m_messages.ask({errors::kTitle, QStringLiteral("The photo could not be loaded for printing."),
                        MessageIcon::Error, MessageButtons::Ok});
        return false;
    }
    busy(true);
    const bool printed = printPhoto(m_printer, photo, m_session.selection.entryText);
    busy(false);
    return printed;
}
