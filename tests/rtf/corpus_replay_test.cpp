// Every seed of the fuzzer and every input it ever broke the reader with, run through the whole document
// path: import, text, layout at the viewer's width and printing to a PDF. Each must end normally.
#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

#include "output/doc/printrichtext.h"
#include "platform/qt/qtprinter.h"
#include "viewers/doc/richtextdocument.h"
#include "viewers/doc/rtfimporter.h"

namespace {

QStringList corpusFiles()
{
    QStringList files;
    for (const QString& folder : {QStringLiteral(ZEPHANE_TEST_DATA "/rtf/regressions"),
                                  QStringLiteral(ZEPHANE_TEST_DATA "/../../fuzz/corpus/rtf")}) {
        const QDir dir(folder);
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
            files << dir.filePath(name);
    }
    return files;
}

}  // namespace

TEST(CorpusReplay, EveryInputImportsLaysOutAndPrints)
{
    const QStringList files = corpusFiles();
    ASSERT_GE(files.size(), 20);
    QTemporaryDir out;
    for (const QString& path : files) {
        SCOPED_TRACE(path.toStdString());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        QTextDocument doc;
        const RtfImportResult result = RtfImporter().import(f.readAll(), doc);
        EXPECT_EQ(result.textLength, richTextLength(doc));
        (void)richTextPlainText(doc);
        doc.setTextWidth(513);
        const QSizeF size = doc.documentLayout()->documentSize();
        EXPECT_GT(size.height(), 0);

        QtPrinter::Options options;
        options.pdfFile = out.filePath(QStringLiteral("replay.pdf"));
        QtPrinter printer(nullptr, options);
        EXPECT_TRUE(PrintRichText(printer, doc, 1440, 1440, 1440, 1440));
    }
}
