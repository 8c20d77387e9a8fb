#pragma once

#include <QString>
#include <QtGlobal>

class QImage;
class QTextDocument;

// A rectangle in twips (1440 to the inch).
struct TwipRect {
    qint32 left = 0;
    qint32 top = 0;
    qint32 right = 0;
    qint32 bottom = 0;
    bool operator==(const TwipRect&) const = default;
};

// The geometry of the printer's page for the running job.
struct PrinterPage {
    qint32 pageWidth = 0; // the paper, twips
    qint32 pageHeight = 0;
    qint32 printableWidth = 0; // the area the printer can reach, twips
    qint32 printableHeight = 0;
    qint32 offsetX = 0; // where the printable area starts on the paper, printer pixels
    qint32 offsetY = 0;
    qint32 dpiX = 1440; // printer pixels per inch
    qint32 dpiY = 1440;
};

// The printer behind every print job: the default printer, or a PDF file when there is none.
class IPrinter {
public:
    virtual ~IPrinter() = default;

    // Opens a job named after the document. False when no job could be started; the user has been told.
    virtual bool startJob(const QString& documentName) = 0;
    virtual PrinterPage page() const = 0;
    // Formats characters [from, to) of the document into target (twips, relative to the printable area) on
    // the current page, draws what fits and returns the first character that did not fit (to when all did).
    // A document is printed from character 0 on: a call with from 0 begins a document (a new one, or the
    // same one again), and the calls that follow with a later from continue it, page by page.
    virtual int renderRichText(const QTextDocument& document, int from, int to, const TwipRect& target,
                               const TwipRect& pageRect) = 0;
    // Paints a picture with its top-left corner at a position in twips from the printable area's corner, at
    // its own size (96 pixels to the inch), shrunk to what is left of the printable area.
    virtual void drawPicture(const QImage& picture, qint32 leftTwips, qint32 topTwips) = 0;
    // Prints one line of text at the current text position and moves that position down one line.
    virtual void printLine(const QString& text) = 0;
    virtual void newPage() = 0;
    // Ends the job and drops the formatting kept for it. False when the output could not be finished.
    virtual bool endJob() = 0;
};
