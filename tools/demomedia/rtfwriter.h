#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Builds a small RTF document: headings, paragraphs with bold, italic and coloured runs, bulleted lists,
// tables and page breaks. Inline markup in paragraph texts: *bold*, _italic_, ^accent colour^.
class RtfWriter {
public:
    enum Colour { Black = 1, Accent = 2, Navy = 3, Green = 4, Grey = 5, Gold = 6 };

    RtfWriter();

    void title(const QString& text);
    void heading(const QString& text);
    void paragraph(const QString& text);
    void bullets(const QStringList& items);
    // First row is the header row, printed bold on a shaded background.
    void table(const QList<QStringList>& rows, const QList<int>& widthsTwips);
    void colouredLine(const QString& text, int red, int green, int blue);
    void pageBreak();

    QByteArray finish() const;

private:
    static QByteArray escape(const QString& text);
    QByteArray runs(const QString& text) const;

    QByteArray m_body;
    QList<QByteArray> m_extraColours;
};
