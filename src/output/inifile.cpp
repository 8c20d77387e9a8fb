#include "output/inifile.h"

#include <QStringDecoder>

namespace {

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool sameName(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

QByteArray unquote(const QByteArray& value)
{
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        return value.mid(1, value.size() - 2);
    return value;
}

} // namespace

IniFile::IniFile(QByteArray bytes) : m_bytes(std::move(bytes))
{
    if (m_bytes.startsWith("\xEF\xBB\xBF"))
        m_bom = 3;
    qsizetype at = m_bom;
    const qsizetype size = m_bytes.size();
    while (at < size) {
        qsizetype textEnd = at;
        while (textEnd < size && m_bytes[textEnd] != '\r' && m_bytes[textEnd] != '\n')
            ++textEnd;
        qsizetype end = textEnd;
        if (end < size)
            end += (m_bytes[end] == '\r' && end + 1 < size && m_bytes[end + 1] == '\n') ? 2 : 1;
        m_lines.push_back({at, textEnd, end});
        at = end;
    }
}

QByteArray IniFile::text(qsizetype line) const
{
    const Line& l = m_lines[size_t(line)];
    return m_bytes.mid(l.start, l.textEnd - l.start).trimmed();
}

std::optional<QByteArray> IniFile::headerName(qsizetype line) const
{
    const QByteArray t = text(line);
    if (!t.startsWith('['))
        return std::nullopt;
    const qsizetype close = t.indexOf(']');
    return t.mid(1, close < 0 ? -1 : close - 1).trimmed();
}

std::optional<QByteArray> IniFile::keyOf(qsizetype line, QByteArray* value) const
{
    const QByteArray t = text(line);
    if (t.isEmpty() || t.startsWith('['))
        return std::nullopt;
    const qsizetype eq = t.indexOf('=');
    const QByteArray key = (eq < 0 ? t : t.left(eq)).trimmed();
    if (key.isEmpty())
        return std::nullopt;
    if (value)
        *value = eq < 0 ? QByteArray() : unquote(t.mid(eq + 1).trimmed());
    return key;
}

IniFile::Span IniFile::find(const QByteArray& section) const
{
    const QByteArray wanted = section.trimmed();
    Span span;
    for (qsizetype i = 0; i < qsizetype(m_lines.size()); ++i) {
        const auto name = headerName(i);
        if (!name)
            continue;
        if (span.header >= 0) {
            span.end = i;
            return span;
        }
        if (sameName(*name, wanted))
            span.header = i;
    }
    if (span.header >= 0)
        span.end = qsizetype(m_lines.size());
    return span;
}

qsizetype IniFile::keyLine(const Span& span, const QByteArray& key) const
{
    const QByteArray wanted = key.trimmed();
    for (qsizetype i = span.header + 1; i < span.end; ++i) {
        const auto k = keyOf(i, nullptr);
        if (k && sameName(*k, wanted))
            return i;
    }
    return -1;
}

bool IniFile::hasSection(const QByteArray& section) const
{
    return find(section).header >= 0;
}

std::optional<QByteArray> IniFile::value(const QByteArray& section, const QByteArray& key) const
{
    const Span span = find(section);
    if (span.header < 0)
        return std::nullopt;
    const qsizetype line = keyLine(span, key);
    if (line < 0)
        return std::nullopt;
    QByteArray v;
    keyOf(line, &v);
    return v;
}

std::vector<IniFile::Entry> IniFile::entries() const
{
    std::vector<Entry> out;
    std::vector<QByteArray> sectionsSeen;
    for (qsizetype i = 0; i < qsizetype(m_lines.size()); ++i) {
        const auto name = headerName(i);
        if (!name)
            continue;
        bool seen = false;
        for (const QByteArray& s : sectionsSeen)
            seen = seen || sameName(s, *name);
        if (seen)
            continue;
        sectionsSeen.push_back(*name);
        const Span span = find(*name);
        std::vector<QByteArray> keysSeen;
        for (qsizetype k = span.header + 1; k < span.end; ++k) {
            QByteArray v;
            const auto key = keyOf(k, &v);
            if (!key)
                continue;
            bool dup = false;
            for (const QByteArray& s : keysSeen)
                dup = dup || sameName(s, *key);
            if (dup)
                continue;
            keysSeen.push_back(*key);
            out.push_back({*name, *key, v});
        }
    }
    return out;
}

QByteArray IniFile::withKeys(const QByteArray& section, const Keys& keys) const
{
    QByteArray firstEnding = "\n";
    for (const Line& l : m_lines)
        if (l.end > l.textEnd) {
            firstEnding = m_bytes.mid(l.textEnd, l.end - l.textEnd);
            break;
        }

    const Span span = find(section);
    if (span.header < 0) {
        QByteArray out = m_bytes;
        if (!m_lines.empty() && m_lines.back().end == m_lines.back().textEnd)
            out += firstEnding;
        out += '[' + section + ']' + firstEnding;
        for (const auto& [key, value] : keys)
            out += key + '=' + value + firstEnding;
        return out;
    }

    // The line each key replaces; keys not found go after the section's last non-blank line.
    std::vector<qsizetype> replaces;
    for (const auto& kv : keys)
        replaces.push_back(keyLine(span, kv.first));
    qsizetype lastFilled = span.header;
    for (qsizetype i = span.header + 1; i < span.end; ++i)
        if (!text(i).isEmpty())
            lastFilled = i;

    QByteArray out = m_bytes.left(m_bom);
    out.reserve(m_bytes.size() + 128);
    for (qsizetype i = 0; i < qsizetype(m_lines.size()); ++i) {
        const Line& line = m_lines[size_t(i)];
        const QByteArray ending = m_bytes.mid(line.textEnd, line.end - line.textEnd);
        bool replaced = false;
        for (size_t k = 0; k < keys.size(); ++k)
            if (replaces[k] == i) {
                out += keys[k].first + '=' + keys[k].second + ending;
                replaced = true;
            }
        if (!replaced)
            out += m_bytes.mid(line.start, line.end - line.start);
        if (i != lastFilled)
            continue;
        // A last line without an ending gets one before anything is added after it.
        const QByteArray added = ending.isEmpty() ? firstEnding : ending;
        bool needBreak = ending.isEmpty();
        for (size_t k = 0; k < keys.size(); ++k)
            if (replaces[k] < 0) {
                if (needBreak) {
                    out += added;
                    needBreak = false;
                }
                out += keys[k].first + '=' + keys[k].second + added;
            }
    }
    return out;
}

bool IniFile::canHold(const QByteArray& value)
{
    if (value.contains('\r') || value.contains('\n') || value.contains('\0'))
        return false;
    if (value != value.trimmed())
        return false;
    return unquote(value) == value;
}

QString IniFile::decode(const QByteArray& bytes)
{
    // Stateless: a sequence cut short at the end is an error too, not bytes kept back for a next call. The
    // file's byte-order mark is dealt with by the reader; one at the start of a value is part of the value.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    return text;
}
