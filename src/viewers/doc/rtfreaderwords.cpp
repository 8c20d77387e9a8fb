// Control words and control symbols: what each keyword changes in the reader's state or the document.
#include "viewers/doc/rtfreader.h"

#include <algorithm>

#include <QTextDocument>
#include <QTextTable>

#include "viewers/doc/richtextdocument.h"

namespace rtfread {

void Reader::onWord(const Token& t)
{
    if (m_overflowSkip > 0)
        return;
    const Kw kw = lookup(t.name);
    const Dest dest = m_state.dest;
    if (dest == Dest::Skip)
        return;
    if (dest == Dest::Upr) {
        if (kw == Kw::Ud)
            m_state.dest = m_state.outerDest;
        return;
    }
    // Destinations first: they are what \* asks about.
    switch (kw) {
    case Kw::Fonttbl:
        flush();
        setDest(Dest::FontTable);
        m_fontNumber = -1;
        m_fontName.clear();
        return;
    case Kw::Colortbl:
        setDest(Dest::ColorTable);
        m_colorSet = false;
        m_red = m_green = m_blue = 0;
        return;
    case Kw::SkipDest:
    case Kw::Nonshppict:
        setDest(Dest::Skip);
        return;
    case Kw::Falt:
        setDest(dest == Dest::FontTable ? Dest::FontAlt : Dest::Skip);
        m_fontAlt.clear();
        return;
    case Kw::Upr:
        m_state.outerDest = dest;
        setDest(Dest::Upr);
        return;
    case Kw::Ud:
        return; // outside \upr: plain content
    case Kw::Shppict:
        return;
    case Kw::Pict:
        if (dest != Dest::Text) {
            setDest(Dest::Skip);
            return;
        }
        flush();
        m_pict = Picture{};
        setDest(Dest::Picture);
        return;
    case Kw::Field:
        if (static_cast<int>(m_fields.size()) < m_limits.maxFields) {
            m_fields.emplace_back();
            m_state.field = static_cast<int>(m_fields.size()) - 1;
        } else {
            m_state.field = -1;
        }
        return;
    case Kw::Fldinst:
        setDest(m_state.field >= 0 ? Dest::FieldInst : Dest::Skip);
        return;
    case Kw::Fldrslt:
        if (dest == Dest::FieldInst || dest == Dest::Text) {
            if (m_state.field >= 0) {
                Field& f = m_fields[static_cast<std::size_t>(m_state.field)];
                const QString inst = f.instruction.trimmed();
                if (inst.startsWith(QLatin1String("HYPERLINK"), Qt::CaseInsensitive)) {
                    // HYPERLINK "target" or HYPERLINK \l "bookmark"
                    const qsizetype q1 = inst.indexOf(QLatin1Char('"'));
                    const qsizetype q2 = q1 >= 0 ? inst.indexOf(QLatin1Char('"'), q1 + 1) : -1;
                    QString target = q2 > q1 ? inst.mid(q1 + 1, q2 - q1 - 1)
                                             : inst.mid(9).trimmed().section(QLatin1Char(' '), 0, 0);
                    if (inst.contains(QLatin1String("\\l")) && !target.isEmpty())
                        target.prepend(QLatin1Char('#'));
                    f.href = target;
                    if (!target.isEmpty())
                        m_state.c.link = m_state.field;
                }
            }
            m_state.dest = Dest::Text;
        }
        return;
    default:
        break;
    }
    if (m_star) {
        setDest(Dest::Skip); // an optional destination we do not know
        return;
    }
    switch (dest) {
    case Dest::Text:
        onWordText(kw, t);
        return;
    case Dest::FontTable:
    case Dest::FontAlt:
        switch (kw) {
        case Kw::F:
            if (!m_fontName.empty() && dest == Dest::FontTable)
                commitFont(); // the old table form: entries without braces
            m_fontNumber = t.param;
            m_fontCodePage = 0;
            return;
        case Kw::Fcharset:
            m_fontCodePage = RtfCodePage::codePageForCharset(t.param);
            return;
        case Kw::Cpg:
            m_fontCodePage = t.param;
            return;
        default:
            return;
        }
    case Dest::ColorTable:
        switch (kw) {
        case Kw::Red:
            m_red = clampInt(t.param, 0, 255);
            m_colorSet = true;
            return;
        case Kw::Green:
            m_green = clampInt(t.param, 0, 255);
            m_colorSet = true;
            return;
        case Kw::Blue:
            m_blue = clampInt(t.param, 0, 255);
            m_colorSet = true;
            return;
        default:
            return;
        }
    case Dest::Picture:
        switch (kw) {
        case Kw::Pngblip:
            m_pict.format = PictFormat::Png;
            return;
        case Kw::Jpegblip:
            m_pict.format = PictFormat::Jpeg;
            return;
        case Kw::Dibitmap:
            m_pict.format = PictFormat::Dib;
            return;
        case Kw::Wbitmap:
            m_pict.format = PictFormat::Wbitmap;
            return;
        case Kw::Wmetafile:
        case Kw::Emfblip:
        case Kw::Macpict:
        case Kw::Pmmetafile:
            m_pict.format = PictFormat::Metafile;
            return;
        case Kw::Picw:
            m_pict.picw = t.param;
            return;
        case Kw::Pich:
            m_pict.pich = t.param;
            return;
        case Kw::Picwgoal:
            m_pict.goalw = t.param;
            return;
        case Kw::Pichgoal:
            m_pict.goalh = t.param;
            return;
        case Kw::Picscalex:
            m_pict.scalex = t.param;
            return;
        case Kw::Picscaley:
            m_pict.scaley = t.param;
            return;
        case Kw::Wbmbitspixel:
            m_pict.bitsPixel = t.param;
            return;
        case Kw::Wbmplanes:
            m_pict.planes = t.param;
            return;
        case Kw::Wbmwidthbytes:
            m_pict.widthBytes = t.param;
            return;
        default:
            return;
        }
    case Dest::FieldInst:
        if (kw == Kw::U && m_state.field >= 0) {
            Field& f = m_fields[static_cast<std::size_t>(m_state.field)];
            if (f.instruction.size() < 2048)
                f.instruction.append(QChar(char16_t(t.param < 0 ? t.param + 65536 : t.param)));
            m_ucSkip = m_state.uc;
        }
        return;
    default:
        return;
    }
}

void Reader::onWordText(Kw kw, const Token& t)
{
    CharProps& c = m_state.c;
    ParaProps& p = m_state.p;
    const int v = t.param;
    switch (kw) {
    // header
    case Kw::Ansi:
        m_docCodePage = 1252;
        return;
    case Kw::Mac:
        m_docCodePage = 10000;
        return;
    case Kw::Pc:
        m_docCodePage = 437;
        return;
    case Kw::Pca:
        m_docCodePage = 850;
        return;
    case Kw::Ansicpg:
        m_docCodePage = v;
        return;
    case Kw::Deff:
        m_deff = v;
        return;
    case Kw::Deftab:
        if (v > 0) {
            QTextOption option = m_doc.defaultTextOption();
            option.setTabStopDistance(clampInt(v, 15, 30000) / 15.0);
            m_doc.setDefaultTextOption(option);
        }
        return;
    // character formatting
    case Kw::Plain: {
        const int link = c.link;
        c = CharProps{};
        c.link = link;
        return;
    }
    case Kw::B:
        c.b = toggleOn(t);
        return;
    case Kw::I:
        c.i = toggleOn(t);
        return;
    case Kw::Ul:
        c.ul = toggleOn(t);
        return;
    case Kw::Ulnone:
        c.ul = false;
        return;
    case Kw::Strike:
        c.strike = toggleOn(t);
        return;
    case Kw::Super:
        c.vert = 1;
        return;
    case Kw::Sub:
        c.vert = -1;
        return;
    case Kw::Nosupersub:
        c.vert = 0;
        c.up = 0;
        return;
    case Kw::Up:
        c.up = clampInt(t.hasParam ? v : 6, 0, 3276);
        return;
    case Kw::Dn:
        c.up = -clampInt(t.hasParam ? v : 6, 0, 3276);
        return;
    case Kw::Fs:
        c.fs = t.hasParam && v > 0 ? clampInt(v, 2, 3276) : 24;
        return;
    case Kw::F:
        c.font = v;
        return;
    case Kw::Cf:
        c.cf = v;
        return;
    case Kw::Cb:
    case Kw::Highlight:
        c.cb = v;
        return;
    case Kw::Caps:
        c.caps = toggleOn(t);
        return;
    case Kw::Scaps:
        c.scaps = toggleOn(t);
        return;
    case Kw::V:
        c.hidden = toggleOn(t);
        return;
    // paragraphs
    case Kw::Par:
    case Kw::Sect:
        endParagraph();
        return;
    case Kw::Pard: {
        // \pard resets the paragraph; the table flag too, so a row's last paragraph closes the table
        p = ParaProps{};
        return;
    }
    case Kw::Ql:
        p.align = 0;
        return;
    case Kw::Qc:
        p.align = 1;
        return;
    case Kw::Qr:
        p.align = 2;
        return;
    case Kw::Qj:
        p.align = 3;
        return;
    case Kw::Li:
        p.li = v;
        return;
    case Kw::Ri:
        p.ri = v;
        return;
    case Kw::Fi:
        p.fi = v;
        return;
    case Kw::Sb:
        p.sb = v;
        return;
    case Kw::Sa:
        p.sa = v;
        return;
    case Kw::Sl:
        p.sl = t.hasParam ? v : 0;
        return;
    case Kw::Slmult:
        p.slmult = toggleOn(t);
        return;
    case Kw::Tqr:
        p.pendingTabKind = 1;
        return;
    case Kw::Tqc:
        p.pendingTabKind = 2;
        return;
    case Kw::Tqdec:
        p.pendingTabKind = 3;
        return;
    case Kw::Tx:
    case Kw::Tb:
        if (p.tabCount < ParaProps::kMaxTabs && v >= 0)
            p.tabs[p.tabCount++] = TabStop{v, kw == Kw::Tb ? uint8_t(0) : p.pendingTabKind};
        p.pendingTabKind = 0;
        return;
    case Kw::Pagebb:
        p.pagebb = toggleOn(t);
        return;
    // special characters
    case Kw::Tab:
        appendChar(u'\t');
        return;
    case Kw::Line:
        appendChar(QChar::LineSeparator);
        return;
    case Kw::Page:
        pageBreak();
        return;
    case Kw::Emdash:
        appendChar(0x2014);
        return;
    case Kw::Endash:
        appendChar(0x2013);
        return;
    case Kw::Emspace:
        appendChar(0x2003);
        return;
    case Kw::Enspace:
        appendChar(0x2002);
        return;
    case Kw::Bullet:
        appendChar(0x2022);
        return;
    case Kw::Lquote:
        appendChar(0x2018);
        return;
    case Kw::Rquote:
        appendChar(0x2019);
        return;
    case Kw::Ldblquote:
        appendChar(0x201C);
        return;
    case Kw::Rdblquote:
        appendChar(0x201D);
        return;
    case Kw::U:
        appendChar(char16_t(v < 0 ? (v < -32768 ? 0xFFFD : v + 65536) : (v > 65535 ? 0xFFFD : v)));
        m_ucSkip = m_state.uc;
        return;
    case Kw::Uc:
        m_state.uc = clampInt(v, 0, 64);
        return;
    // tables
    case Kw::Trowd:
        m_cellx.clear();
        return;
    case Kw::Cellx:
        if (static_cast<int>(m_cellx.size()) < m_limits.maxTableColumns)
            m_cellx.push_back(v);
        return;
    case Kw::Intbl:
        p.intbl = true;
        return;
    case Kw::Cell:
        nextCell();
        return;
    case Kw::Row:
        endRow();
        return;
    case Kw::Nestcell:
        appendChar(u'\t');
        return; // nested tables are flattened into their outer cell
    case Kw::Nestrow:
        appendChar(QChar::LineSeparator);
        return;
    default:
        return;
    }
}

void Reader::onSymbol(int ch)
{
    if (m_overflowSkip > 0)
        return;
    const Dest dest = m_state.dest;
    switch (ch) {
    case '\\':
    case '{':
    case '}': {
        const char b = static_cast<char>(ch);
        onText(std::string_view(&b, 1));
        return;
    }
    default:
        break;
    }
    if (dest != Dest::Text)
        return;
    switch (ch) {
    case '~':
        appendChar(0x00A0);
        return;
    case '-':
        appendChar(0x00AD);
        return;
    case '_':
        appendChar(0x2011);
        return;
    case '\t':
        appendChar(u'\t');
        return;
    case '\r':
    case '\n':
        endParagraph();
        return;
    default:
        return; // \* is handled by the caller; \: \| and the rest mean nothing here
    }
}

} // namespace rtfread
