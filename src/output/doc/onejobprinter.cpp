#include "output/doc/onejobprinter.h"

bool OneJobPrinter::startJob(const QString& documentName)
{
    Q_UNUSED(documentName);
    if (m_failed)
        return false;
    if (!m_open) {
        m_open = m_printer.startJob(m_jobName);
        m_failed = !m_open;
        m_pageUsed = false;
        m_breakPending = false;
        return m_open;
    }
    newPage();
    return true;
}

int OneJobPrinter::renderRichText(const QTextDocument& document, int from, int to, const TwipRect& target,
                                  const TwipRect& pageRect)
{
    beginDrawing();
    return m_printer.renderRichText(document, from, to, target, pageRect);
}

void OneJobPrinter::drawPicture(const QImage& picture, qint32 leftTwips, qint32 topTwips)
{
    beginDrawing();
    m_printer.drawPicture(picture, leftTwips, topTwips);
}

void OneJobPrinter::printLine(const QString& text)
{
    beginDrawing();
    m_printer.printLine(text);
}

void OneJobPrinter::beginDrawing()
{
    if (m_breakPending)
        m_printer.newPage();
    m_breakPending = false;
    m_pageUsed = true;
}

void OneJobPrinter::newPage()
{
    // The break waits for something to go on the next page, so the job never ends on a blank one.
    if (m_open && m_pageUsed) {
        m_breakPending = true;
        m_pageUsed = false;
    }
}

bool OneJobPrinter::finish()
{
    if (!m_open)
        return !m_failed;
    m_open = false;
    m_breakPending = false;
    return m_printer.endJob();
}
