#include "rtfwriter.h"

RtfWriter::RtfWriter() = default;

QByteArray RtfWriter::escape(const QString& text)
{
    QByteArray out;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u == '\n') {
            out += "\\line ";
        } else if (u < 128) {
            out += char(u);
        } else if (u < 256) {
            out += "\\'" + QByteArray::number(u, 16).rightJustified(2, '0');
        } else {
            out += "\\u" + QByteArray::number(short(u)) + "?";
        }
    }
    return out;
}

QByteArray RtfWriter::runs(const QString& text) const
{
    QByteArray out;
    bool bold = false, italic = false, accent = false;
    QString plain;
    auto flush = [&] {
        out += escape(plain);
        plain.clear();
    };
    for (const QChar c : text) {
        if (c == QLatin1Char('*')) {
            flush();
            bold = !bold;
            out += bold ? "\\b " : "\\b0 ";
        } else if (c == QLatin1Char('_')) {
            flush();
            italic = !italic;
            out += italic ? "\\i " : "\\i0 ";
        } else if (c == QLatin1Char('^')) {
            flush();
            accent = !accent;
            out += accent ? "\\cf2 " : "\\cf1 ";
        } else {
            plain += c;
        }
    }
    flush();
    if (bold)
        out += "\\b0 ";
    if (italic)
        out += "\\i0 ";
    if (accent)
        out += "\\cf1 ";
    return out;
}

void RtfWriter::title(const QString& text)
{
    m_body += "\\pard\\qc\\sb120\\sa240\\f1\\fs44\\b\\cf3 " + escape(text) + "\\b0\\cf1\\f0\\fs24\\par\n";
}

void RtfWriter::heading(const QString& text)
{
    m_body += "\\pard\\sb240\\sa120\\f1\\fs30\\b\\cf2 " + escape(text) + "\\b0\\cf1\\f0\\fs24\\par\n";
}

void RtfWriter::paragraph(const QString& text)
{
    m_body += "\\pard\\sa160\\sl276\\slmult1\\f0\\fs24\\cf1 " + runs(text) + "\\par\n";
}

void RtfWriter::bullets(const QStringList& items)
{
    for (const QString& item : items)
        m_body += "\\pard{\\pntext\\f2\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf2\\pnindent360{\\pntxtb\\'b7}}"
                  "\\fi-360\\li720\\sa60\\f0\\fs24\\cf1 "
                  + runs(item) + "\\par\n";
    m_body += "\\pard\\sa120\\par\n";
}

void RtfWriter::table(const QList<QStringList>& rows, const QList<int>& widthsTwips)
{
    for (int r = 0; r < rows.size(); ++r) {
        QByteArray row = "\\trowd\\trgaph108\\trleft0";
        int edge = 0;
        for (int w : widthsTwips) {
            edge += w;
            if (r == 0)
                row += "\\clcbpat5\\clshdng2000";
            row += "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10"
                   "\\clbrdrr\\brdrs\\brdrw10\\cellx"
                   + QByteArray::number(edge);
        }
        row += "\n";
        for (const QString& cell : rows[r]) {
            row += "\\pard\\intbl\\f1\\fs20";
            row += r == 0 ? "\\b " : " ";
            row += runs(cell);
            row += r == 0 ? "\\b0\\cell " : "\\cell ";
        }
        row += "\\row\n";
        m_body += row;
    }
    m_body += "\\pard\\sa120\\par\n";
}

void RtfWriter::colouredLine(const QString& text, int red, int green, int blue)
{
    m_extraColours << "\\red" + QByteArray::number(red) + "\\green" + QByteArray::number(green) + "\\blue"
                          + QByteArray::number(blue) + ";";
    const int index = 6 + int(m_extraColours.size());
    m_body += "\\pard\\sa80\\f1\\fs26\\b\\cf" + QByteArray::number(index) + " \\'95\\'95\\'95 \\cf1 " +
              escape(text) + "\\b0\\f0\\fs24\\par\n";
}

void RtfWriter::pageBreak()
{
    m_body += "\\page\n";
}

QByteArray RtfWriter::finish() const
{
    QByteArray doc = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033\n"
                     "{\\fonttbl{\\f0\\froman\\fcharset0 DejaVu Serif;}{\\f1\\fswiss\\fcharset0 DejaVu Sans;}"
                     "{\\f2\\fnil\\fcharset2 Symbol;}}\n"
                     "{\\colortbl ;\\red0\\green0\\blue0;\\red160\\green20\\blue30;\\red20\\green40\\blue110;"
                     "\\red20\\green110\\blue50;\\red215\\green215\\blue220;\\red190\\green140\\blue20;";
    for (const QByteArray& c : m_extraColours)
        doc += c;
    doc += "}\n\\viewkind4\\uc1\\paperw12240\\paperh15840\\margl1440\\margr1440\\margt1440\\margb1440\n";
    doc += m_body;
    doc += "}\n";
    return doc;
}
