// Command-line modes for documents: print one to a PDF through the viewer's print path, or write its text.
#include <cstdio>

#include <QFileInfo>
#include <QTextDocument>

#include "app/clicommand.h"
#include "output/doc/printrichtext.h"
#include "platform/qt/qtprinter.h"
#include "viewers/doc/richtextdocument.h"

namespace {

bool loadOrComplain(const QString& path, QTextDocument& document)
{
    QString error;
    const QFileInfo info(path);
    if (!info.isFile()) {
        std::fprintf(stderr, "zephane-folarium: %s: %s\n", qPrintable(path),
                     info.exists() ? "not a file" : "no such file");
        return false;
    }
    if (!loadRichTextFile(path, document, &error)) {
        std::fprintf(stderr, "zephane-folarium: %s: cannot read the file: %s\n", qPrintable(path),
                     qPrintable(error));
        return false;
    }
    return true;
}

int rtfText(const QStringList& args)
{
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: zephane-folarium --rtf-text IN.rtf\n");
        return 2;
    }
    QTextDocument document;
    if (!loadOrComplain(args.at(0), document))
        return 1;
    QByteArray text = richTextPlainText(document).toUtf8();
    if (!text.endsWith('\n'))
        text.append('\n');
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

// Prints through the same routine and margins as the document viewer's print button.
int printToPdf(const QStringList& args)
{
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: zephane-folarium --print-to-pdf IN.rtf OUT.pdf\n");
        return 2;
    }
    QTextDocument document;
    if (!loadOrComplain(args.at(0), document))
        return 1;
    QtPrinter::Options options;
    options.pdfFile = QFileInfo(args.at(1)).absoluteFilePath();
    QtPrinter printer(nullptr, options);
    if (!PrintRichText(printer, document, 1440, 1440, 1440, 1440)) {
        std::fprintf(stderr, "zephane-folarium: %s: cannot write the PDF file\n", qPrintable(args.at(1)));
        return 1;
    }
    return 0;
}

const CliCommand pdfCommand(QStringLiteral("--print-to-pdf"), QStringLiteral("--print-to-pdf IN.rtf OUT.pdf"),
                            printToPdf);
const CliCommand textCommand(QStringLiteral("--rtf-text"), QStringLiteral("--rtf-text IN.rtf"), rtfText);

}  // namespace
