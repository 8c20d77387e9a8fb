// Feeds arbitrary bytes through the whole document path: import, text length, plain text and a layout at
// the viewer's width, as showing a document does.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QAbstractTextDocumentLayout>
#include <QByteArray>
#include <QGuiApplication>
#include <QTextDocument>

#include "viewers/doc/richtextdocument.h"
#include "viewers/doc/rtfimporter.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.debug=false;qt.gui.imageio*=false");
    static QGuiApplication app(*argc, *argv);  // fonts and image plugins need one
    // Decoders complain about every broken picture; the noise would only slow the run down.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QTextDocument doc;
    const RtfImportResult result = RtfImporter().import(bytes, doc);
    if (result.textLength != richTextLength(doc))
        std::abort();
    const QString text = richTextPlainText(doc);
    (void)text;
    doc.setTextWidth(513);
    (void)doc.documentLayout()->documentSize();
    return 0;
}
