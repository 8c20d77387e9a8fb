#include "output/inisection.h"

namespace {

struct Line {
    qsizetype start;   // first byte
    qsizetype textEnd; // end of the text, before the line ending
    qsizetype end;     // after the line ending
};

std::vector<Line> splitLines(const QByteArray& file)
{
    std::vector<Line> lines;
    qsizetype at = 0;
    while (at < file.size()) {
        qsizetype nl = file.indexOf('\n', at);
        const qsizetype end = nl < 0 ? file.size() : nl + 1;
        qsizetype textEnd = nl < 0 ? file.size() : nl;
        if (textEnd > at && file[textEnd - 1] == '\r')
            --textEnd;
        lines.push_back({at, textEnd, end});
        at = end;
    }
    return lines;
}

QByteArray textOf(const QByteArray& file, const Line& line)
{
    return file.mid(line.start, line.textEnd - line.start).trimmed();
}

bool isSectionHeader(const QByteArray& text)
{
    return text.startsWith('[');
}

bool headerNames(const QByteArray& text, const QByteArray& section)
{
    const qsizetype close = text.indexOf(']');
    return isSectionHeader(text) && close > 0 &&
           text.mid(1, close - 1).trimmed().toLower() == section.toLower();
}

// The key of a "key=value" line, or nothing for comments and lines without "=".
QByteArray keyOf(const QByteArray& text)
{
    if (text.isEmpty() || text.startsWith(';') || text.startsWith('#'))
        return {};
    const qsizetype eq = text.indexOf('=');
    return eq <= 0 ? QByteArray() : text.left(eq).trimmed().toLower();
}

} // namespace

QByteArray setIniKeys(const QByteArray& file, const QByteArray& section,
                      const std::vector<std::pair<QByteArray, QByteArray>>& keys)
{
    const std::vector<Line> lines = splitLines(file);
    QByteArray eol = "\n";
    if (!lines.empty() && lines.front().end > lines.front().textEnd + 1)
        eol = "\r\n";

    // The section's header line and the lines that belong to it.
    qsizetype header = -1;
    qsizetype sectionEnd = qsizetype(lines.size());
    for (qsizetype i = 0; i < qsizetype(lines.size()); ++i) {
        const QByteArray text = textOf(file, lines[size_t(i)]);
        if (header < 0) {
            if (headerNames(text, section))
                header = i;
        } else if (isSectionHeader(text)) {
            sectionEnd = i;
            break;
        }
    }

    if (header < 0) {
        QByteArray out = file;
        if (!out.isEmpty() && !out.endsWith('\n'))
            out += eol;
        out += '[' + section + ']' + eol;
        for (const auto& [key, value] : keys)
            out += key + '=' + value + eol;
        return out;
    }

    // Which line each key replaces; keys not found are added after the section's last non-blank line.
    std::vector<qsizetype> replaces(keys.size(), -1);
    qsizetype lastFilled = header;
    for (qsizetype i = header + 1; i < sectionEnd; ++i) {
        const QByteArray text = textOf(file, lines[size_t(i)]);
        if (!text.isEmpty())
            lastFilled = i;
        const QByteArray key = keyOf(text);
        if (key.isEmpty())
            continue;
        for (size_t k = 0; k < keys.size(); ++k)
            if (replaces[k] < 0 && key == keys[k].first.toLower())
                replaces[k] = i;
    }

    QByteArray out;
    out.reserve(file.size() + 64);
    for (qsizetype i = 0; i < qsizetype(lines.size()); ++i) {
        const Line& line = lines[size_t(i)];
        bool replaced = false;
        for (size_t k = 0; k < keys.size(); ++k)
            if (replaces[k] == i) {
                out += keys[k].first + '=' + keys[k].second;
                out += file.mid(line.textEnd, line.end - line.textEnd);
                replaced = true;
            }
        if (!replaced)
            out += file.mid(line.start, line.end - line.start);
        if (i == lastFilled) {
            bool needBreak = line.end == line.textEnd; // the last line had no line ending
            for (size_t k = 0; k < keys.size(); ++k)
                if (replaces[k] < 0) {
                    if (needBreak) {
                        out += eol;
                        needBreak = false;
                    }
                    out += keys[k].first + '=' + keys[k].second + eol;
                }
        }
    }
    return out;
}
