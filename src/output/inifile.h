#pragma once

#include <optional>
#include <utility>
#include <vector>

#include <QByteArray>
#include <QString>

// The bytes of an INI file, read and changed by one set of rules, so the installation that writes the screen
// saver's settings and the screen saver that reads them agree on every shape of file:
// - a UTF-8 byte-order mark at the start is skipped when reading and kept when writing;
// - CR LF, LF and CR each end a line; the last line may have no ending;
// - a line whose first non-blank character is "[" opens a section, named by what follows up to "]" (or to
//   the end of the line when "]" is missing), without surrounding blanks;
// - section and key names match without regard to (ASCII) case and surrounding blanks;
// - of several sections of one name only the first counts, and of several lines of one key in it the first;
// - "key=value" gives the value without surrounding blanks and one pair of enclosing double quotes; a line
//   without "=" is a key with an empty value; lines before the first section belong to none.
class IniFile {
public:
    using Keys = std::vector<std::pair<QByteArray, QByteArray>>;
    struct Entry {
        QByteArray section;
        QByteArray key;
        QByteArray value;
    };

    explicit IniFile(QByteArray bytes);

    bool hasSection(const QByteArray& section) const;
    // The value of key in section, or nothing when either is missing.
    std::optional<QByteArray> value(const QByteArray& section, const QByteArray& key) const;
    // Every key a reader can reach, with its value: the first section of each name, the first line of each
    // key in it.
    std::vector<Entry> entries() const;

    // The file with keys set in section: the line a reader takes a key from is replaced (its line ending
    // kept); a missing key is added after the section's last non-blank line; a missing section is added at
    // the end. Every other byte stays. Added lines end like the line before them, or like the file's first
    // line. Values must satisfy canHold().
    QByteArray withKeys(const QByteArray& section, const Keys& keys) const;

    // A value that reads back exactly as written: no line break or NUL, no blanks around it, not enclosed in
    // double quotes.
    static bool canHold(const QByteArray& value);
    // A value's bytes as text: UTF-8 where they are valid, else Latin-1 (an old file in a single-byte code
    // page).
    static QString decode(const QByteArray& bytes);

private:
    struct Line {
        qsizetype start;   // first byte of the text
        qsizetype textEnd; // end of the text, before the line ending
        qsizetype end;     // after the line ending
    };
    // The first section of that name: its header line and the line after its last line.
    struct Span {
        qsizetype header = -1;
        qsizetype end = -1;
    };

    QByteArray text(qsizetype line) const;
    std::optional<QByteArray> headerName(qsizetype line) const;
    std::optional<QByteArray> keyOf(qsizetype line, QByteArray* value) const;
    Span find(const QByteArray& section) const;
    // The line a reader takes key from in span, or -1.
    qsizetype keyLine(const Span& span, const QByteArray& key) const;

    QByteArray m_bytes;
    qsizetype m_bom = 0;
    std::vector<Line> m_lines;
};
