#include "viewers/doc/richtextdocument.h"

#include <algorithm>

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include "viewers/doc/rtfcodepage.h"

namespace {

// At most cap bytes of the file. The buffer grows with what the file holds: one the size of the cap, tens
// of megabytes, would be mapped and unmapped again for every small document.
QByteArray readAtMost(QFile& file, qint64 cap)
{
    constexpr qint64 kStep = 64 * 1024;
    QByteArray bytes;
    const qint64 expected = std::clamp<qint64>(file.size() + 1, 1, cap);
    while (bytes.size() < cap) {
        const qint64 had = bytes.size();
        const qint64 step = std::min(cap - had, std::max(expected - had, kStep));
        bytes.resize(qsizetype(had + step));
        const qint64 got = file.read(bytes.data() + had, step);
        bytes.resize(qsizetype(had + std::max<qint64>(got, 0)));
        if (got <= 0)
            break;
    }
    return bytes;
}

QString blockText(const QTextBlock& block)
{
    QString text = block.text();
    QString out;
    out.reserve(text.size());
    for (const QChar ch : std::as_const(text)) {
        switch (ch.unicode()) {
        case 0xFFFC:
            break; // a picture
        case 0x00AD:
            break; // an optional hyphen that did not break
        case 0x2028:
            out.append(QLatin1Char('\n'));
            break;
        case 0x00A0:
            out.append(QLatin1Char(' '));
            break;
        default:
            out.append(ch);
        }
    }
    return out;
}

void appendFrame(QTextFrame* frame, QStringList& lines);

QString cellText(const QTextTableCell& cell)
{
    QStringList parts;
    for (auto it = cell.begin(); !it.atEnd(); ++it) {
        if (QTextFrame* child = it.currentFrame()) {
            QStringList inner;
            appendFrame(child, inner);
            parts << inner.join(QLatin1Char(' '));
        } else {
            parts << blockText(it.currentBlock());
        }
    }
    QString text = parts.join(QLatin1Char(' ')).trimmed();
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

void appendFrame(QTextFrame* frame, QStringList& lines)
{
    for (auto it = frame->begin(); !it.atEnd(); ++it) {
        if (QTextFrame* child = it.currentFrame()) {
            if (auto* table = qobject_cast<QTextTable*>(child)) {
                for (int r = 0; r < table->rows(); ++r) {
                    QStringList cells;
                    for (int c = 0; c < table->columns(); ++c) {
                        const QTextTableCell cell = table->cellAt(r, c);
                        if (cell.row() == r && cell.column() == c)
                            cells << cellText(cell);
                    }
                    while (!cells.isEmpty() && cells.last().isEmpty())
                        cells.removeLast();
                    lines << cells.join(QLatin1Char('\t'));
                }
            } else {
                appendFrame(child, lines);
            }
        } else {
            lines << blockText(it.currentBlock());
        }
    }
}

} // namespace

int richTextLength(const QTextDocument& document)
{
    return std::max(0, document.characterCount() - 1);
}

QString richTextPlainText(const QTextDocument& document)
{
    QStringList lines;
    appendFrame(document.rootFrame(), lines);
    return lines.join(QLatin1Char('\n'));
}

std::optional<RtfImportResult> loadRichTextFile(const QString& path, QTextDocument& document, QString* error,
                                                const RtfLimits& limits)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    const QByteArray bytes = readAtMost(file, qint64(limits.maxInputBytes) + 1);
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    const RtfImportResult result = RtfImporter(limits).import(bytes, document);
    document.setMetaInformation(QTextDocument::DocumentTitle, QFileInfo(path).completeBaseName());
    return result;
}

QString decodePlainText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    text.clear();
    RtfCodePage codec;
    codec.decode(1252, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), text);
    return text;
}

void sanitizeRichText(QString& text, bool keepLineBreaks)
{
    QChar* data = text.data();
    const qsizetype n = text.size();
    qsizetype out = 0;
    for (qsizetype i = 0; i < n; ++i) {
        char16_t c = data[i].unicode();
        if (c < 0x20) {
            if (c == u'\t') {
                data[out++] = QChar(c);
            } else if (keepLineBreaks && (c == u'\n' || c == u'\r')) {
                if (c == u'\r' && i + 1 < n && data[i + 1].unicode() == u'\n')
                    ++i;
                data[out++] = QChar(u'\n');
            }
            continue; // other control characters are dropped
        }
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 < n && QChar::isLowSurrogate(data[i + 1].unicode())) {
                data[out++] = QChar(c);
                data[out++] = data[++i];
                continue;
            }
            c = 0xFFFD;
        } else if (QChar::isLowSurrogate(c)) {
            c = 0xFFFD;
        } else if (c == 0xFFFC || (c >= 0xFDD0 && c <= 0xFDEF) || c == 0xFFFE || c == 0xFFFF) {
            c = 0xFFFD;
        } else if (c == 0x2029) {
            c = keepLineBreaks ? u'\n' : 0x2028;
        }
        data[out++] = QChar(c);
    }
    text.truncate(out);
}
