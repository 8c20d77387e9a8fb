// The reader's main loop: groups and destinations, text and its decoding, character and paragraph formats,
// fonts.
#include "viewers/doc/rtfreader.h"

#include <algorithm>

#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include "viewers/doc/richtextdocument.h"

namespace rtfread {

RtfImportResult Reader::run(std::string_view input)
{
    m_result.isRtf = true;
    m_stack.reserve(64);
    m_cursor.beginEditBlock();
    RtfTokenizer tok(input);
    for (;;) {
        Token t = tok.next();
        if (t.kind == TokenKind::End)
            break;
        if (m_ucSkip > 0) {
            // The fallback after \u: one byte, \'hh, control word or binary blob is one character; a brace
            // ends the fallback early.
            switch (t.kind) {
            case TokenKind::GroupOpen:
            case TokenKind::GroupClose:
                m_ucSkip = 0;
                break;
            case TokenKind::Text: {
                const std::size_t n =
                    std::min<std::size_t>(static_cast<std::size_t>(m_ucSkip), t.name.size());
                m_ucSkip -= static_cast<int>(n);
                t.name.remove_prefix(n);
                if (t.name.empty())
                    continue;
                break;
            }
            default:
                --m_ucSkip;
                continue;
            }
        }
        switch (t.kind) {
        case TokenKind::GroupOpen:
            onGroupOpen();
            break;
        case TokenKind::GroupClose:
            onGroupClose();
            break;
        case TokenKind::Word:
            onWord(t);
            break;
        case TokenKind::Symbol:
            onSymbol(t.param);
            break;
        case TokenKind::Hex:
            onHex(t.param);
            break;
        case TokenKind::Binary:
            onBinary(t.name);
            break;
        case TokenKind::Text:
            onText(t.name);
            break;
        case TokenKind::End:
            break;
        }
        m_star = t.kind == TokenKind::Symbol && t.param == '*';
        if (m_done)
            break; // what follows the document's closing brace is not part of it
    }
    if (!m_done)
        finishDocument(); // a truncated document: end it as if its braces had come
    m_cursor.endEditBlock();
    m_result.textLength = richTextLength(m_doc);
    return m_result;
}

void Reader::onGroupOpen()
{
    ++m_depth;
    m_result.maxDepth = std::max(m_result.maxDepth, m_depth);
    if (static_cast<int>(m_stack.size()) < m_limits.maxSavedDepth)
        m_stack.push_back(m_state);
}

void Reader::onGroupClose()
{
    if (m_depth == 0)
        return; // a stray closing brace before the document began
    const bool saved = m_depth <= static_cast<int>(m_stack.size());
    if (m_overflowSkip > 0 && m_depth <= m_overflowSkip)
        m_overflowSkip = 0;
    if (m_depth == 1) {
        finishDocument();
        m_depth = 0;
        return;
    }
    --m_depth;
    if (saved && !m_stack.empty()) {
        const State closing = m_state;
        m_state = m_stack.back();
        m_stack.pop_back();
        finishGroupState(closing, m_state);
    }
}

void Reader::finishDocument()
{
    if (m_state.dest == Dest::Picture)
        finishPicture();
    flush();
    if (m_table)
        closeTable();
    else
        m_cursor.setBlockFormat(blockFormat());
    m_done = true;
}

void Reader::finishGroupState(const State& closing, const State& restored)
{
    if (closing.dest == Dest::Picture && restored.dest != Dest::Picture)
        finishPicture();
    if (closing.dest == Dest::FontTable && (m_fontNumber >= 0 || !m_fontName.empty()))
        commitFont();
}

void Reader::setDest(Dest d)
{
    if (m_depth > static_cast<int>(m_stack.size())) {
        // Past the saved depth the change could not be undone at the closing brace; skip the group instead.
        if (d != Dest::Text && m_overflowSkip == 0)
            m_overflowSkip = m_depth;
        return;
    }
    m_state.dest = d;
}

void Reader::onText(std::string_view bytes)
{
    if (m_overflowSkip > 0)
        return;
    switch (m_state.dest) {
    case Dest::Text:
        appendBytes(bytes);
        return;
    case Dest::FontTable:
    case Dest::FontAlt:
        for (const char ch : bytes) {
            std::string& name = m_state.dest == Dest::FontAlt ? m_fontAlt : m_fontName;
            if (ch == ';') {
                if (m_state.dest == Dest::FontTable)
                    commitFont();
            } else if (name.size() < 256) {
                name.push_back(ch);
            }
        }
        return;
    case Dest::ColorTable:
        for (const char ch : bytes) {
            if (ch != ';')
                continue;
            if (static_cast<int>(m_colors.size()) < m_limits.maxColors)
                m_colors.push_back(m_colorSet ? QColor(m_red, m_green, m_blue) : QColor());
            m_colorSet = false;
            m_red = m_green = m_blue = 0;
        }
        return;
    case Dest::Picture:
        pictureHex(bytes);
        return;
    case Dest::FieldInst:
        if (m_state.field >= 0) {
            Field& f = m_fields[static_cast<std::size_t>(m_state.field)];
            if (f.instruction.size() < 2048)
                m_codec.decode(m_docCodePage, bytes.substr(0, 2048), f.instruction);
        }
        return;
    default:
        return;
    }
}

void Reader::onHex(int byte)
{
    const char b = static_cast<char>(byte);
    if (m_state.dest == Dest::Picture) {
        // a hex escape inside picture data is a data byte
        if (m_pict.data.size() < m_limits.maxPictureBytes)
            m_pict.data.append(b);
        return;
    }
    onText(std::string_view(&b, 1));
}

void Reader::onBinary(std::string_view bytes)
{
    if (m_overflowSkip > 0 || m_state.dest != Dest::Picture)
        return;
    const qsizetype room = m_limits.maxPictureBytes - m_pict.data.size();
    if (static_cast<qsizetype>(bytes.size()) > room) {
        m_pict.overflow = true;
        return;
    }
    m_pict.data.append(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// --- text ----------------------------------------------------------------------------------------------

int Reader::codePageOf(const CharProps& props) const
{
    const auto it = m_fonts.constFind(props.font >= 0 ? props.font : m_deff);
    if (it != m_fonts.constEnd() && it->codePage > 0)
        return it->codePage;
    return m_docCodePage;
}

void Reader::preparePending()
{
    ensureTableContext();
    if (m_hasPending && !(m_pendingProps == m_state.c))
        flush();
    if (!m_hasPending) {
        m_pendingProps = m_state.c;
        m_hasPending = true;
    }
}

void Reader::appendBytes(std::string_view bytes)
{
    preparePending();
    m_bytes.append(bytes);
}

void Reader::appendChar(char16_t ch)
{
    preparePending();
    decodePending();
    m_text.append(QChar(ch));
}

void Reader::decodePending()
{
    if (m_bytes.empty())
        return;
    m_codec.decode(codePageOf(m_pendingProps), m_bytes, m_text);
    m_bytes.clear();
}

void Reader::flush()
{
    if (!m_hasPending)
        return;
    decodePending();
    m_hasPending = false;
    if (m_text.isEmpty() || m_pendingProps.hidden) {
        m_text.clear();
        return;
    }
    sanitizeRichText(m_text);
    if (!m_text.isEmpty()) {
        m_cursor.insertText(m_text, charFormat(m_pendingProps));
        m_blockHasContent = true;
    }
    m_text.clear();
}

QTextCharFormat Reader::charFormat(const CharProps& c)
{
    if (m_formatValid && m_formatProps == c)
        return m_format;
    QTextCharFormat f;
    const auto font = m_fonts.constFind(c.font >= 0 ? c.font : m_deff);
    if (font != m_fonts.constEnd() && !font->name.isEmpty()) {
        QStringList families{font->name};
        if (!font->alt.isEmpty())
            families << font->alt;
        f.setFontFamilies(families);
        // QTextFormat hashes a list of families as a constant, so documents with thousands of fonts would
        // make every insertion compare against every format; a hashed marker keeps the lookup short.
        f.setProperty(QTextFormat::UserProperty + 1, int(qHash(font->name)));
    }
    f.setFontPointSize(c.fs / 2.0);
    if (c.b)
        f.setFontWeight(QFont::Bold);
    if (c.i)
        f.setFontItalic(true);
    if (c.ul)
        f.setFontUnderline(true);
    if (c.strike)
        f.setFontStrikeOut(true);
    if (c.caps)
        f.setFontCapitalization(QFont::AllUppercase);
    else if (c.scaps)
        f.setFontCapitalization(QFont::SmallCaps);
    if (c.vert > 0)
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (c.vert < 0)
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    else if (c.up != 0)
        f.setBaselineOffset(std::clamp(c.up * 100.0 / c.fs, -100.0, 100.0));
    const bool hasColour = c.cf > 0 && c.cf < static_cast<int>(m_colors.size()) &&
                           m_colors[static_cast<std::size_t>(c.cf)].isValid();
    if (hasColour)
        f.setForeground(m_colors[static_cast<std::size_t>(c.cf)]);
    if (c.cb > 0 && c.cb < static_cast<int>(m_colors.size()) &&
        m_colors[static_cast<std::size_t>(c.cb)].isValid())
        f.setBackground(m_colors[static_cast<std::size_t>(c.cb)]);
    if (c.link >= 0 && c.link < static_cast<int>(m_fields.size())) {
        f.setAnchor(true);
        f.setAnchorHref(m_fields[static_cast<std::size_t>(c.link)].href);
        f.setFontUnderline(true);
        if (!hasColour)
            f.setForeground(QColor(0, 0, 255));
    }
    m_format = f;
    m_formatProps = c;
    m_formatValid = true;
    return f;
}

QTextBlockFormat Reader::blockFormat() const
{
    const ParaProps& p = m_state.p;
    const auto px = [](int twips) { return std::clamp(twips, -150000, 150000) / 15.0; };
    QTextBlockFormat f;
    switch (p.align) {
    case 1:
        f.setAlignment(Qt::AlignHCenter);
        break;
    case 2:
        f.setAlignment(Qt::AlignRight);
        break;
    case 3:
        f.setAlignment(Qt::AlignJustify);
        break;
    default:
        f.setAlignment(Qt::AlignLeft);
        break;
    }
    if (p.li)
        f.setLeftMargin(std::max(0.0, px(p.li)));
    if (p.ri)
        f.setRightMargin(std::max(0.0, px(p.ri)));
    if (p.fi)
        f.setTextIndent(px(p.fi));
    if (p.sb > 0)
        f.setTopMargin(px(p.sb));
    if (p.sa > 0)
        f.setBottomMargin(px(p.sa));
    if (p.sl > 0 && p.slmult)
        f.setLineHeight(std::clamp(p.sl * 100.0 / 240.0, 10.0, 1000.0), QTextBlockFormat::ProportionalHeight);
    else if (p.sl > 0)
        f.setLineHeight(px(p.sl), QTextBlockFormat::MinimumHeight);
    else if (p.sl < 0)
        f.setLineHeight(std::max(1.0, px(-std::max(p.sl, -150000))), QTextBlockFormat::FixedHeight);
    if (p.tabCount > 0) {
        QList<QTextOption::Tab> tabs;
        for (int i = 0; i < p.tabCount; ++i) {
            const TabStop& s = p.tabs[static_cast<std::size_t>(i)];
            const QTextOption::TabType type = s.kind == 1   ? QTextOption::RightTab
                                              : s.kind == 2 ? QTextOption::CenterTab
                                              : s.kind == 3 ? QTextOption::DelimiterTab
                                                            : QTextOption::LeftTab;
            tabs.append(QTextOption::Tab(px(s.pos), type, s.kind == 3 ? QChar(u'.') : QChar()));
        }
        f.setTabPositions(tabs);
    }
    if (p.pagebb || m_blockPageBreak)
        f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    return f;
}

// --- fonts ---------------------------------------------------------------------------------------------

void Reader::commitFont()
{
    if (m_fontNumber >= 0 && (m_fonts.size() < m_limits.maxFonts || m_fonts.contains(m_fontNumber))) {
        Font font;
        const int cp = m_fontCodePage > 0 ? m_fontCodePage : m_docCodePage;
        m_codec.decode(cp == RtfCodePage::kSymbol ? 1252 : cp, m_fontName, font.name);
        font.name = font.name.trimmed();
        m_codec.decode(cp == RtfCodePage::kSymbol ? 1252 : cp, m_fontAlt, font.alt);
        font.alt = font.alt.trimmed();
        sanitizeRichText(font.name);
        sanitizeRichText(font.alt);
        font.codePage = m_fontCodePage;
        m_fonts.insert(m_fontNumber, font);
        m_formatValid = false;
    }
    m_fontName.clear();
    m_fontAlt.clear();
    m_fontNumber = -1;
    m_fontCodePage = 0;
}

} // namespace rtfread
