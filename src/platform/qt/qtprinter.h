#pragma once

#include <memory>

#include <QString>

#include "platform/printer.h"

class IMessages;
class QPainter;
class QPrinter;
class QTextDocument;

// Printing through QPrinter. A job goes to the default printer; with no printer installed it goes to a PDF
// file named after the document in the user's documents folder, and the user is told where it is, so
// printing never fails silently. With pdfFile set every job is written to that file instead.
class QtPrinter final : public IPrinter {
public:
    struct Options {
        QString pdfFile;        // write every job to this PDF
        QString fallbackFolder; // where a job goes without a printer; empty: the documents folder
        bool useSystemPrinter = true;
    };

    QtPrinter(IMessages* messages, Options options);
    explicit QtPrinter(IMessages* messages) : QtPrinter(messages, Options{}) {}
    ~QtPrinter() override;

    bool startJob(const QString& documentName) override;
    PrinterPage page() const override;
    int renderRichText(const QTextDocument& document, int from, int to, const TwipRect& target,
                       const TwipRect& pageRect) override;
    void drawPicture(const QImage& picture, qint32 leftTwips, qint32 topTwips) override;
    void printLine(const QString& text) override;
    void newPage() override;
    bool endJob() override;

    // The PDF the last job was written to; empty when it went to a printer.
    QString outputFile() const { return m_outputFile; }

private:
    void tell(const QString& text, bool error) const;
    void prepareLayout(const QTextDocument& document, int from, double widthPx);

    IMessages* m_messages;
    Options m_options;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    // The document being printed, formatted for the printer: made when a document begins (from 0), used for
    // its later pages.
    std::unique_ptr<QTextDocument> m_layout;
    double m_layoutWidth = -1;
    QString m_outputFile;
    bool m_fallback = false;
    double m_textY = 0; // where the next printed line goes, device pixels
};
