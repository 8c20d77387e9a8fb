// Command-line modes for documents: print one to a PDF through the viewer's print path, or write its text.
#include <cstdio>

#include <QFileInfo>
#include <QTextDocument>

#include "app/clicommand.h"
#include "viewers/doc/richtextdocument.h"

namespace {

bool loadOrComplain(const QString& path, QTextDocument& document)
{
    QString error;
    if (!QFileInfo(path).isFile()) {
        std::fprintf(stderr, "zephane-folarium: %s: no such file\n", qPrintable(path));
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

const CliCommand textCommand(QStringLiteral("--rtf-text"), QStringLiteral("--rtf-text IN.rtf"), rtfText);

}  // namespace
