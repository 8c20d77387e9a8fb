#pragma once

#include "platform/printer.h"

// Gathers several print jobs into one: the first job started opens the real one, each later job begins on a
// new page (no blank page when the last one is still empty), and the jobs' ends wait for finish(). So a
// booklet printed section by section is one print job, or one PDF when there is no printer.
class OneJobPrinter final : public IPrinter {
public:
    OneJobPrinter(IPrinter& printer, QString jobName) : m_printer(printer), m_jobName(std::move(jobName)) {}

    bool startJob(const QString& documentName) override;
    PrinterPage page() const override { return m_printer.page(); }
    int renderRichText(const QTextDocument& document, int from, int to, const TwipRect& target,
                       const TwipRect& pageRect) override;
    void drawPicture(const QImage& picture, qint32 leftTwips, qint32 topTwips) override;
    void printLine(const QString& text) override;
    void newPage() override;
    bool endJob() override { return m_open; }

    // Ends the real job, if one was started. False when it could not be finished.
    bool finish();
    bool started() const { return m_open; }

private:
    void beginDrawing();

    IPrinter& m_printer;
    QString m_jobName;
    bool m_open = false;
    bool m_failed = false;
    bool m_pageUsed = false;
    bool m_breakPending = false;
};
