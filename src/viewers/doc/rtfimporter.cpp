#include "viewers/doc/rtfimporter.h"

#include <string_view>

#include <QTextDocument>

#include "viewers/doc/richtextdocument.h"
#include "viewers/doc/rtfcodepage.h"
#include "viewers/doc/rtfreader.h"

using rtfread::Reader;

RtfImporter::RtfImporter(RtfLimits limits) : m_limits(limits) {}

RtfImportResult RtfImporter::import(const QByteArray& bytes, QTextDocument& document) const
{
    document.clear();
    document.setUndoRedoEnabled(false);
    RtfImportResult result;
    const QByteArray input =
        bytes.size() > m_limits.maxInputBytes ? bytes.left(m_limits.maxInputBytes) : bytes;
    if (!input.startsWith("{\\rtf")) {
        QString text = decodePlainText(input);
        sanitizeRichText(text, true);
        document.setPlainText(text);
        result.textLength = richTextLength(document);
    } else {
        Reader reader(m_limits, document);
        result = reader.run(std::string_view(input.constData(), static_cast<std::size_t>(input.size())));
    }
    result.truncated = bytes.size() > m_limits.maxInputBytes;
    return result;
}
