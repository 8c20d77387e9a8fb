// Imports arbitrary bytes and prints the document to a PDF with one-inch margins, as the viewer's print
// button does: the page loop must end and every page must make progress.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QByteArray>
#include <QDir>
#include <QGuiApplication>
#include <QTextDocument>

#include "output/doc/printrichtext.h"
#include "platform/qt/qtprinter.h"
#include "viewers/doc/rtfimporter.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 16384)
        return 0;  // long documents only make more pages of the same
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QTextDocument doc;
    RtfImporter().import(bytes, doc);
    QtPrinter::Options options;
    options.pdfFile = QDir::tempPath() + QStringLiteral("/zephane-fuzz-print.pdf");
    QtPrinter printer(nullptr, options);
    if (!PrintRichText(printer, doc, 1440, 1440, 1440, 1440))
        std::abort();
    return 0;
}
