#include "platform/qt/qtprinter.h"

#include <algorithm>

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

#include "platform/messages.h"

namespace {

// A file name made of the document's name, without characters that file systems refuse.
QString safeName(const QString& documentName)
{
    QString name = documentName.trimmed();
    for (QChar& c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20 || c == QLatin1Char(':'))
            c = QLatin1Char('_');
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        name.prepend(QStringLiteral("document"));
    return name.left(120);
}

// A path in folder that no file has yet: "name.pdf", "name (2).pdf", ...
QString freePdfPath(const QString& folder, const QString& name)
{
    QString path = folder + QLatin1Char('/') + name + QStringLiteral(".pdf");
    for (int i = 2; QFileInfo::exists(path) && i < 10000; ++i)
        path = folder + QLatin1Char('/') + name + QStringLiteral(" (%1).pdf").arg(i);
    return path;
}

} // namespace

QtPrinter::QtPrinter(IMessages* messages, Options options)
    : m_messages(messages), m_options(std::move(options))
{
}

QtPrinter::~QtPrinter()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

void QtPrinter::tell(const QString& text, bool error) const
{
    if (m_messages)
        m_messages->ask({QStringLiteral("The Zephane Folarium"), text,
                         error ? MessageIcon::Error : MessageIcon::Information, MessageButtons::Ok, false});
}

bool QtPrinter::startJob(const QString& documentName)
{
    m_layout.reset();
    m_outputFile.clear();
    m_fallback = false;
    m_textY = 0;
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const QString name = safeName(documentName);
    m_printer->setDocName(name);
    m_printer->setFullPage(false);

    QString pdf = m_options.pdfFile;
    if (pdf.isEmpty() && (!m_options.useSystemPrinter || QPrinterInfo::defaultPrinter().isNull())) {
        QString folder = m_options.fallbackFolder;
        if (folder.isEmpty())
            folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty())
            folder = QDir::homePath();
        QDir().mkpath(folder);
        pdf = freePdfPath(folder, name);
        m_fallback = true;
    }
    if (!pdf.isEmpty()) {
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(pdf);
        m_outputFile = pdf;
    }
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_printer.get())) {
        tell(pdf.isEmpty() ? QStringLiteral("The document could not be printed: the printer did not start.")
                           : QStringLiteral("The document could not be printed to the file:\n%1").arg(pdf),
             true);
        m_painter.reset();
        m_printer.reset();
        return false;
    }
    return true;
}

PrinterPage QtPrinter::page() const
{
    PrinterPage p;
    if (!m_printer)
        return p;
    const QRectF paper = m_printer->paperRect(QPrinter::Point);
    const QRectF printable = m_printer->pageRect(QPrinter::Point);
    const QRectF printablePx = m_printer->pageRect(QPrinter::DevicePixel);
    p.pageWidth = qRound(paper.width() * 20);
    p.pageHeight = qRound(paper.height() * 20);
    p.printableWidth = qRound(printable.width() * 20);
    p.printableHeight = qRound(printable.height() * 20);
    p.offsetX = qRound(printablePx.left());
    p.offsetY = qRound(printablePx.top());
    p.dpiX = m_printer->logicalDpiX();
    p.dpiY = m_printer->logicalDpiY();
    return p;
}

void QtPrinter::prepareLayout(const QTextDocument& document, int from, double widthPx)
{
    // A document begins at character 0 and is formatted anew; its later pages go on from the formatting of
    // its first, as long as they ask for the same width.
    if (from > 0 && m_layout && m_layoutWidth == widthPx)
        return;
    m_layout.reset(document.clone());
    m_layout->documentLayout()->setPaintDevice(m_printer.get());
    m_layout->setDocumentMargin(0);
    m_layout->setTextWidth(widthPx);
    m_layoutWidth = widthPx;
}

int QtPrinter::renderRichText(const QTextDocument& document, int from, int to, const TwipRect& target,
                              const TwipRect& pageRect)
{
    Q_UNUSED(pageRect);
    if (!m_painter || !m_painter->isActive())
        return to;
    const double dpiX = m_printer->logicalDpiX();
    const double dpiY = m_printer->logicalDpiY();
    // A target squeezed to nothing by odd margins still gets an inch, so the text has somewhere to go.
    const double widthPx = std::max(1440, target.right - target.left) * dpiX / 1440.0;
    const double heightPx = std::max(1, target.bottom - target.top) * dpiY / 1440.0;
    prepareLayout(document, from, widthPx);
    QAbstractTextDocumentLayout* layout = m_layout->documentLayout();
    const int end = std::min(to, std::max(0, m_layout->characterCount() - 1));
    if (from >= end && from > 0)
        return to;

    // Where the range starts: the top of the line holding its first character.
    QTextBlock block = m_layout->findBlock(from);
    double top = 0;
    if (block.isValid()) {
        const QRectF rect = layout->blockBoundingRect(block);
        const QTextLine line = block.layout()->lineForTextPosition(from - block.position());
        top = rect.top() + (line.isValid() ? line.y() : 0);
    }
    const double limit = top + heightPx;

    // Find the first line that ends below the target, or a forced page break.
    int cut = to;
    double cutY = top;
    bool placedSomething = false;
    for (; block.isValid() && block.position() <= end; block = block.next()) {
        const QRectF rect = layout->blockBoundingRect(block);
        QTextLayout* tl = block.layout();
        if (placedSomething && block.position() > from &&
            (block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)) {
            cut = block.position();
            break;
        }
        bool stop = false;
        for (int i = 0; i < tl->lineCount(); ++i) {
            const QTextLine line = tl->lineAt(i);
            const int lineStart = block.position() + line.textStart();
            if (lineStart < from && lineStart + line.textLength() <= from)
                continue; // before the range
            const double lineTop = rect.top() + line.y();
            const double lineBottom = lineTop + line.height();
            if (lineBottom > limit && placedSomething) {
                cut = std::max(lineStart, from + 1);
                stop = true;
                break;
            }
            placedSomething = true;
            cutY = std::max(cutY, lineBottom);
        }
        if (tl->lineCount() == 0)
            placedSomething = true;
        if (stop)
            break;
        cutY = std::max(cutY, rect.bottom());
    }

    // A row of a table moves to the next page whole, unless it alone is taller than a page.
    if (cut < to) {
        QTextCursor at(m_layout.get());
        at.setPosition(std::min(cut, end));
        if (QTextTable* table = at.currentTable()) {
            const QTextTableCell cell = table->cellAt(cut);
            if (cell.isValid()) {
                const int rowStart = table->cellAt(cell.row(), 0).firstPosition();
                if (rowStart > from) {
                    cut = rowStart;
                    const QTextBlock first = m_layout->findBlock(rowStart);
                    cutY =
                        layout->blockBoundingRect(first).top() - table->format().cellPadding() * dpiY / 96.0;
                }
            }
        }
        if (cutY > limit)
            cutY = limit;
    }
    if (cut < to) {
        // cutY is the top of the first line left out
        const QTextBlock b = m_layout->findBlock(cut);
        const QTextLine line =
            b.isValid() ? b.layout()->lineForTextPosition(cut - b.position()) : QTextLine();
        if (line.isValid() && b.position() + line.textStart() == cut)
            cutY = std::min(cutY, layout->blockBoundingRect(b).top() + line.y());
    }

    const double leftPx = target.left * dpiX / 1440.0;
    const double topPx = target.top * dpiY / 1440.0;
    m_painter->save();
    m_painter->translate(leftPx, topPx - top);
    QAbstractTextDocumentLayout::PaintContext context;
    const QRectF clip(-leftPx, top, m_printer->width() + 2 * std::abs(leftPx), std::max(0.0, cutY - top));
    m_painter->setClipRect(clip);
    // The layout draws every block that touches its clip; keep the neighbours that only touch it out of
    // the output altogether, so no text lies hidden under the clip.
    context.clip = clip.adjusted(0, 1, 0, -1);
    context.palette.setColor(QPalette::Text, Qt::black);
    layout->draw(m_painter.get(), context);
    m_painter->restore();
    return cut;
}

void QtPrinter::drawPicture(const QImage& picture, qint32 leftTwips, qint32 topTwips)
{
    if (!m_painter || !m_painter->isActive() || picture.isNull())
        return;
    const double dpiX = m_printer->logicalDpiX();
    const double dpiY = m_printer->logicalDpiY();
    const QRectF area(0, 0, m_printer->width(), m_printer->height());
    const QPointF at(leftTwips * dpiX / 1440.0, topTwips * dpiY / 1440.0);
    QSizeF size(picture.width() * dpiX / 96.0, picture.height() * dpiY / 96.0);
    const QSizeF room(std::max(1.0, area.right() - at.x()), std::max(1.0, area.bottom() - at.y()));
    if (size.width() > room.width() || size.height() > room.height())
        size.scale(room, Qt::KeepAspectRatio);
    m_painter->setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter->drawImage(QRectF(at, size), picture);
}

void QtPrinter::printLine(const QString& text)
{
    if (!m_painter || !m_painter->isActive())
        return;
    QFont font(QStringLiteral("Times New Roman"), 12);
    m_painter->setFont(font);
    m_painter->setPen(Qt::black);
    const QFontMetricsF metrics(font, m_printer.get());
    m_painter->drawText(QPointF(0, m_textY + metrics.ascent()), text);
    m_textY += metrics.lineSpacing();
}

void QtPrinter::newPage()
{
    if (m_printer && m_painter && m_painter->isActive())
        m_printer->newPage();
    m_textY = 0;
}

bool QtPrinter::endJob()
{
    m_layout.reset();
    if (!m_painter)
        return false;
    const bool ended = m_painter->end();
    m_painter.reset();
    m_printer.reset();
    if (!m_outputFile.isEmpty() && (!ended || !QFileInfo(m_outputFile).isFile())) {
        tell(QStringLiteral("The document could not be printed to the file:\n%1").arg(m_outputFile), true);
        return false;
    }
    if (m_fallback)
        tell(QStringLiteral("No printer is installed, so the document was saved as a PDF file:\n%1")
                 .arg(QDir::toNativeSeparators(m_outputFile)),
             false);
    return ended;
}
