#include "output/doc/printrichtext.h"

#include <QTextDocument>

#include "platform/printer.h"
#include "viewers/doc/richtextdocument.h"

namespace {
qint32 pixelsToTwips(qint32 pixels, qint32 dpi)
{
    return dpi > 0 ? static_cast<qint32>(qint64(pixels) * 1440 / dpi) : 0;
}
}  // namespace

bool PrintRichText(IPrinter& printer, const QTextDocument& R, qint32 L, qint32 T, qint32 Rt, qint32 B)
{
    if (!printer.startJob(R.metaInformation(QTextDocument::DocumentTitle)))
        return false;
    const PrinterPage page = printer.page();
    const qint32 offsetX = pixelsToTwips(page.offsetX, page.dpiX);
    const qint32 offsetY = pixelsToTwips(page.offsetY, page.dpiY);
    const TwipRect target{L - offsetX, T - offsetY, (page.pageWidth - Rt) - offsetX,
                          (page.pageHeight - B) - offsetY};
    const TwipRect pageRect{0, 0, page.printableWidth, page.printableHeight};

    const int length = richTextLength(R);
    int from = 0;
    for (;;) {
        const int next = printer.renderRichText(R, from, length, target, pageRect);
        if (next >= length)
            break;
        // A renderer that places nothing on a page would otherwise print blank pages for ever.
        if (next <= from)
            break;
        from = next;
        printer.newPage();
    }
    return printer.endJob();
}
