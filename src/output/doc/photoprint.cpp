#include "output/doc/photoprint.h"

#include <QImage>

#include "platform/printer.h"

bool printPhoto(IPrinter& printer, const QImage& photo, const QString& entryText)
{
    if (!printer.startJob(QStringLiteral("Zephane Photo")))
        return false;
    const QString indent(12, QLatin1Char(' '));
    for (int i = 0; i < 8; ++i)
        printer.printLine(QStringLiteral(" "));
    printer.printLine(indent + QStringLiteral("The Zephane Folarium 2000"));
    printer.printLine(QStringLiteral(" "));
    printer.printLine(indent + entryText);
    printer.printLine(QStringLiteral(" "));
    printer.drawPicture(photo, 0, 3000);
    return printer.endJob();
}
