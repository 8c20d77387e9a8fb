#include "viewers/doc/rtfimporter.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <QBuffer>
#include <QColor>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include "viewers/doc/richtextdocument.h"
#include "viewers/doc/rtfcodepage.h"
#include "viewers/doc/rtftokenizer.h"

namespace {

using Token = RtfTokenizer::Token;
using TokenKind = RtfTokenizer::Kind;

// Every control word the reader acts on. Anything else is ignored, or skipped with its group after \*.
enum class Kw : uint8_t {
    Unknown,
    // header
    Rtf, Ansi, Mac, Pc, Pca, Ansicpg, Deff, Deftab,
    // destinations
    Fonttbl, Colortbl, Falt, Pict, Field, Fldinst, Fldrslt, Upr, Ud, Shppict, Nonshppict, SkipDest,
    // font table entry
    Fcharset, Cpg,
    // colour table
    Red, Green, Blue,
    // character formatting
    Plain, B, I, Ul, Ulnone, Strike, Super, Sub, Nosupersub, Up, Dn, Fs, F, Cf, Cb, Highlight, Caps, Scaps, V,
    // paragraphs
    Par, Pard, Ql, Qc, Qr, Qj, Li, Ri, Fi, Sb, Sa, Sl, Slmult, Tx, Tb, Tqr, Tqc, Tqdec, Pagebb, Sect,
    // special characters
    Tab, Line, Page, Emdash, Endash, Emspace, Enspace, Bullet, Lquote, Rquote, Ldblquote, Rdblquote, U, Uc,
    // tables
    Trowd, Cellx, Intbl, Cell, Row, Nestcell, Nestrow,
    // pictures
    Pngblip, Jpegblip, Dibitmap, Wbitmap, Wmetafile, Emfblip, Macpict, Pmmetafile, Picw, Pich, Picwgoal,
    Pichgoal, Picscalex, Picscaley, Wbmbitspixel, Wbmplanes, Wbmwidthbytes,
};

const std::unordered_map<std::string_view, Kw>& keywords()
{
    static const std::unordered_map<std::string_view, Kw> table = [] {
        std::unordered_map<std::string_view, Kw> t{
            {"rtf", Kw::Rtf}, {"ansi", Kw::Ansi}, {"mac", Kw::Mac}, {"pc", Kw::Pc}, {"pca", Kw::Pca},
            {"ansicpg", Kw::Ansicpg}, {"deff", Kw::Deff}, {"deftab", Kw::Deftab},
            {"fonttbl", Kw::Fonttbl}, {"colortbl", Kw::Colortbl}, {"falt", Kw::Falt}, {"pict", Kw::Pict},
            {"field", Kw::Field}, {"fldinst", Kw::Fldinst}, {"fldrslt", Kw::Fldrslt}, {"upr", Kw::Upr},
            {"ud", Kw::Ud}, {"shppict", Kw::Shppict}, {"nonshppict", Kw::Nonshppict},
            {"fcharset", Kw::Fcharset}, {"cpg", Kw::Cpg},
            {"red", Kw::Red}, {"green", Kw::Green}, {"blue", Kw::Blue},
            {"plain", Kw::Plain}, {"b", Kw::B}, {"i", Kw::I}, {"ul", Kw::Ul}, {"ulnone", Kw::Ulnone},
            {"strike", Kw::Strike}, {"striked", Kw::Strike}, {"super", Kw::Super}, {"sub", Kw::Sub},
            {"nosupersub", Kw::Nosupersub}, {"up", Kw::Up}, {"dn", Kw::Dn}, {"fs", Kw::Fs}, {"f", Kw::F},
            {"cf", Kw::Cf}, {"cb", Kw::Cb}, {"highlight", Kw::Highlight}, {"caps", Kw::Caps},
            {"scaps", Kw::Scaps}, {"v", Kw::V},
            {"par", Kw::Par}, {"pard", Kw::Pard}, {"ql", Kw::Ql}, {"qc", Kw::Qc}, {"qr", Kw::Qr},
            {"qj", Kw::Qj}, {"li", Kw::Li}, {"ri", Kw::Ri}, {"fi", Kw::Fi}, {"sb", Kw::Sb}, {"sa", Kw::Sa},
            {"sl", Kw::Sl}, {"slmult", Kw::Slmult}, {"tx", Kw::Tx}, {"tb", Kw::Tb}, {"tqr", Kw::Tqr},
            {"tqc", Kw::Tqc}, {"tqdec", Kw::Tqdec}, {"pagebb", Kw::Pagebb}, {"sect", Kw::Sect},
            {"tab", Kw::Tab}, {"line", Kw::Line}, {"page", Kw::Page}, {"emdash", Kw::Emdash},
            {"endash", Kw::Endash}, {"emspace", Kw::Emspace}, {"enspace", Kw::Enspace},
            {"bullet", Kw::Bullet}, {"lquote", Kw::Lquote}, {"rquote", Kw::Rquote},
            {"ldblquote", Kw::Ldblquote}, {"rdblquote", Kw::Rdblquote}, {"u", Kw::U}, {"uc", Kw::Uc},
            {"trowd", Kw::Trowd}, {"cellx", Kw::Cellx}, {"intbl", Kw::Intbl}, {"cell", Kw::Cell},
            {"row", Kw::Row}, {"nestcell", Kw::Nestcell}, {"nestrow", Kw::Nestrow},
            {"pngblip", Kw::Pngblip}, {"jpegblip", Kw::Jpegblip}, {"dibitmap", Kw::Dibitmap},
            {"wbitmap", Kw::Wbitmap}, {"wmetafile", Kw::Wmetafile}, {"emfblip", Kw::Emfblip},
            {"macpict", Kw::Macpict}, {"pmmetafile", Kw::Pmmetafile}, {"picw", Kw::Picw}, {"pich", Kw::Pich},
            {"picwgoal", Kw::Picwgoal}, {"pichgoal", Kw::Pichgoal}, {"picscalex", Kw::Picscalex},
            {"picscaley", Kw::Picscaley}, {"wbmbitspixel", Kw::Wbmbitspixel}, {"wbmplanes", Kw::Wbmplanes},
            {"wbmwidthbytes", Kw::Wbmwidthbytes},
        };
        // Groups whose content is never shown: document information, style definitions, headers and
        // footers, list definitions, object data, bookmarks and the like.
        for (const char* name :
             {"stylesheet", "info", "generator", "header", "headerl", "headerr", "headerf", "footer",
              "footerl", "footerr", "footerf", "footnote", "pn", "pntxta", "pntxtb", "listtable",
              "listoverridetable", "revtbl", "rsidtbl", "filetbl", "colorschememapping", "themedata",
              "xmlnstbl", "objdata", "objclass", "objname", "template", "private", "annotation", "atnid",
              "atnauthor", "bkmkstart", "bkmkend", "ftnsep", "ftnsepc", "ftncn", "aftnsep", "aftnsepc",
              "aftncn", "shpinst", "latentstyles", "datastore", "userprops", "docvar", "pgdsctbl", "mmathPr",
              "txe", "xe", "tc", "comment", "keywords", "subject", "author", "operator", "title", "doccomm",
              "company", "panose", "picprop", "blipuid", "listpicture", "background", "fchars", "lchars",
              "pgptbl", "protusertbl", "wgrffmtfilter", "formfield", "datafield", "nesttableprops",
              "nonesttables"})
            t.emplace(name, Kw::SkipDest);
        return t;
    }();
    return table;
}

Kw lookup(std::string_view name)
{
    if (name.empty())
        return Kw::Unknown;
    const auto& table = keywords();
    const auto it = table.find(name);
    return it == table.end() ? Kw::Unknown : it->second;
}

enum class Dest : uint8_t { Text, Skip, FontTable, FontAlt, ColorTable, Picture, FieldInst, Upr };

struct CharProps {
    int font = -1;  // font number; -1 is the document's default font
    int fs = 24;    // half-points
    int up = 0;     // half-points raised (negative: lowered)
    int cf = 0;
    int cb = 0;
    int link = -1;  // field whose hyperlink this text belongs to
    int8_t vert = 0;  // 1 superscript, -1 subscript
    bool b = false, i = false, ul = false, strike = false, caps = false, scaps = false, hidden = false;
    bool operator==(const CharProps&) const = default;
};

struct TabStop {
    int pos = 0;  // twips
    uint8_t kind = 0;  // 0 left, 1 right, 2 centre, 3 decimal
};

struct ParaProps {
    static constexpr int kMaxTabs = 32;
    int li = 0, ri = 0, fi = 0, sb = 0, sa = 0, sl = 0;
    uint8_t align = 0;  // 0 left, 1 centre, 2 right, 3 justify
    uint8_t pendingTabKind = 0;
    uint8_t tabCount = 0;
    bool slmult = false, intbl = false, pagebb = false;
    std::array<TabStop, kMaxTabs> tabs{};
};

struct State {
    Dest dest = Dest::Text;
    Dest outerDest = Dest::Text;  // what \ud returns to inside \upr
    int uc = 1;
    int field = -1;
    CharProps c;
    ParaProps p;
};

struct Font {
    QString name;
    QString alt;
    int codePage = 0;  // 0: the document's code page
};

struct Field {
    QString instruction;
    QString href;
};

enum class PictFormat : uint8_t { None, Png, Jpeg, Dib, Wbitmap, Metafile };

struct Picture {
    PictFormat format = PictFormat::None;
    int picw = 0, pich = 0, goalw = 0, goalh = 0, scalex = 100, scaley = 100;
    int bitsPixel = 1, planes = 1, widthBytes = 0;
    QByteArray data;
    int pendingNibble = -1;
    bool overflow = false;
};

inline int clampInt(int v, int lo, int hi) { return std::min(std::max(v, lo), hi); }
inline bool toggleOn(const Token& t) { return !t.hasParam || t.param != 0; }

// The whole import of one document; lives for one call of RtfImporter::import.
class Reader {
public:
    Reader(const RtfLimits& limits, QTextDocument& doc) : m_limits(limits), m_doc(doc), m_cursor(&doc) {}

    RtfImportResult run(std::string_view input);

private:
    // tokens
    void onGroupOpen();
    void onGroupClose();
    void finishDocument();
    void onWord(const Token& t);
    void onWordText(Kw kw, const Token& t);
    void onSymbol(int ch);
    void onText(std::string_view bytes);
    void onHex(int byte);
    void onBinary(std::string_view bytes);
    void setDest(Dest d);

    // text
    void appendBytes(std::string_view bytes);
    void appendChar(char16_t ch);
    void preparePending();
    void decodePending();
    void flush();
    QTextCharFormat charFormat(const CharProps& props);
    int codePageOf(const CharProps& props) const;
    QTextBlockFormat blockFormat() const;

    // blocks and tables
    void ensureTableContext(bool forceTable = false);
    void endParagraph();
    void pageBreak();
    void openTable();
    void closeTable();
    void nextCell();
    void endRow();
    void widenTable(int columns);

    // tables, pictures, fonts
    void commitFont();
    void finishPicture();
    void pictureHex(std::string_view bytes);
    QImage decodePicture(const Picture& pic, bool& placeholder);
    void insertPicture();
    void finishGroupState(const State& closing, const State& restored);

    const RtfLimits& m_limits;
    QTextDocument& m_doc;
    QTextCursor m_cursor;
    RtfCodePage m_codec;
    RtfImportResult m_result;

    State m_state;
    std::vector<State> m_stack;
    int m_depth = 0;           // real nesting, counted even past the saved depth
    int m_overflowSkip = 0;    // > 0: skipping a destination that began past the saved depth, at this depth
    bool m_star = false;       // the last token was \*
    int m_ucSkip = 0;          // fallback characters still to skip after \u
    bool m_done = false;       // the root group has closed

    int m_docCodePage = 1252;
    int m_deff = 0;
    QHash<int, Font> m_fonts;
    int m_fontNumber = -1;     // entry being read in the font table
    int m_fontCodePage = 0;
    std::string m_fontName;
    std::string m_fontAlt;
    std::vector<QColor> m_colors;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colorSet = false;
    std::vector<Field> m_fields;

    // pending text and the properties it will be inserted with
    std::string m_bytes;
    QString m_text;
    CharProps m_pendingProps;
    bool m_hasPending = false;
    CharProps m_formatProps;
    QTextCharFormat m_format;
    bool m_formatValid = false;
    bool m_blockPageBreak = false;
    bool m_blockHasContent = false;

    // tables
    QTextTable* m_table = nullptr;
    std::vector<int> m_cellx;  // right boundaries of the row being defined, twips
    int m_row = 0, m_col = 0;
    bool m_rowPending = false; // \row seen; the next row starts with the next content
    int m_tableCells = 0;

    // pictures
    Picture m_pict;
    qsizetype m_pictureBytes = 0;
    int m_pictureCount = 0;
};

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
            case TokenKind::GroupClose: m_ucSkip = 0; break;
            case TokenKind::Text: {
                const std::size_t n =
                    std::min<std::size_t>(static_cast<std::size_t>(m_ucSkip), t.name.size());
                m_ucSkip -= static_cast<int>(n);
                t.name.remove_prefix(n);
                if (t.name.empty())
                    continue;
                break;
            }
            default: --m_ucSkip; continue;
            }
        }
        switch (t.kind) {
        case TokenKind::GroupOpen: onGroupOpen(); break;
        case TokenKind::GroupClose: onGroupClose(); break;
        case TokenKind::Word: onWord(t); break;
        case TokenKind::Symbol: onSymbol(t.param); break;
        case TokenKind::Hex: onHex(t.param); break;
        case TokenKind::Binary: onBinary(t.name); break;
        case TokenKind::Text: onText(t.name); break;
        case TokenKind::End: break;
        }
        m_star = t.kind == TokenKind::Symbol && t.param == '*';
        if (m_done)
            break;  // what follows the document's closing brace is not part of it
    }
    if (!m_done)
        finishDocument();  // a truncated document: end it as if its braces had come
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
        return;  // a stray closing brace before the document began
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
    case Kw::Fonttbl: flush(); setDest(Dest::FontTable); m_fontNumber = -1; m_fontName.clear(); return;
    case Kw::Colortbl: setDest(Dest::ColorTable); m_colorSet = false; m_red = m_green = m_blue = 0; return;
    case Kw::SkipDest:
    case Kw::Nonshppict: setDest(Dest::Skip); return;
    case Kw::Falt:
        setDest(dest == Dest::FontTable ? Dest::FontAlt : Dest::Skip);
        m_fontAlt.clear();
        return;
    case Kw::Upr:
        m_state.outerDest = dest;
        setDest(Dest::Upr);
        return;
    case Kw::Ud: return;  // outside \upr: plain content
    case Kw::Shppict: return;
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
    case Kw::Fldinst: setDest(m_state.field >= 0 ? Dest::FieldInst : Dest::Skip); return;
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
    default: break;
    }
    if (m_star) {
        setDest(Dest::Skip);  // an optional destination we do not know
        return;
    }
    switch (dest) {
    case Dest::Text: onWordText(kw, t); return;
    case Dest::FontTable:
    case Dest::FontAlt:
        switch (kw) {
        case Kw::F:
            if (!m_fontName.empty() && dest == Dest::FontTable)
                commitFont();  // the old table form: entries without braces
            m_fontNumber = t.param;
            m_fontCodePage = 0;
            return;
        case Kw::Fcharset: m_fontCodePage = RtfCodePage::codePageForCharset(t.param); return;
        case Kw::Cpg: m_fontCodePage = t.param; return;
        default: return;
        }
    case Dest::ColorTable:
        switch (kw) {
        case Kw::Red: m_red = clampInt(t.param, 0, 255); m_colorSet = true; return;
        case Kw::Green: m_green = clampInt(t.param, 0, 255); m_colorSet = true; return;
        case Kw::Blue: m_blue = clampInt(t.param, 0, 255); m_colorSet = true; return;
        default: return;
        }
    case Dest::Picture:
        switch (kw) {
        case Kw::Pngblip: m_pict.format = PictFormat::Png; return;
        case Kw::Jpegblip: m_pict.format = PictFormat::Jpeg; return;
        case Kw::Dibitmap: m_pict.format = PictFormat::Dib; return;
        case Kw::Wbitmap: m_pict.format = PictFormat::Wbitmap; return;
        case Kw::Wmetafile:
        case Kw::Emfblip:
        case Kw::Macpict:
        case Kw::Pmmetafile: m_pict.format = PictFormat::Metafile; return;
        case Kw::Picw: m_pict.picw = t.param; return;
        case Kw::Pich: m_pict.pich = t.param; return;
        case Kw::Picwgoal: m_pict.goalw = t.param; return;
        case Kw::Pichgoal: m_pict.goalh = t.param; return;
        case Kw::Picscalex: m_pict.scalex = t.param; return;
        case Kw::Picscaley: m_pict.scaley = t.param; return;
        case Kw::Wbmbitspixel: m_pict.bitsPixel = t.param; return;
        case Kw::Wbmplanes: m_pict.planes = t.param; return;
        case Kw::Wbmwidthbytes: m_pict.widthBytes = t.param; return;
        default: return;
        }
    case Dest::FieldInst:
        if (kw == Kw::U && m_state.field >= 0) {
            Field& f = m_fields[static_cast<std::size_t>(m_state.field)];
            if (f.instruction.size() < 2048)
                f.instruction.append(QChar(char16_t(t.param < 0 ? t.param + 65536 : t.param)));
            m_ucSkip = m_state.uc;
        }
        return;
    default: return;
    }
}

void Reader::onWordText(Kw kw, const Token& t)
{
    CharProps& c = m_state.c;
    ParaProps& p = m_state.p;
    const int v = t.param;
    switch (kw) {
    // header
    case Kw::Ansi: m_docCodePage = 1252; return;
    case Kw::Mac: m_docCodePage = 10000; return;
    case Kw::Pc: m_docCodePage = 437; return;
    case Kw::Pca: m_docCodePage = 850; return;
    case Kw::Ansicpg: m_docCodePage = v; return;
    case Kw::Deff: m_deff = v; return;
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
    case Kw::B: c.b = toggleOn(t); return;
    case Kw::I: c.i = toggleOn(t); return;
    case Kw::Ul: c.ul = toggleOn(t); return;
    case Kw::Ulnone: c.ul = false; return;
    case Kw::Strike: c.strike = toggleOn(t); return;
    case Kw::Super: c.vert = 1; return;
    case Kw::Sub: c.vert = -1; return;
    case Kw::Nosupersub: c.vert = 0; c.up = 0; return;
    case Kw::Up: c.up = clampInt(t.hasParam ? v : 6, 0, 3276); return;
    case Kw::Dn: c.up = -clampInt(t.hasParam ? v : 6, 0, 3276); return;
    case Kw::Fs: c.fs = t.hasParam && v > 0 ? clampInt(v, 2, 3276) : 24; return;
    case Kw::F: c.font = v; return;
    case Kw::Cf: c.cf = v; return;
    case Kw::Cb:
    case Kw::Highlight: c.cb = v; return;
    case Kw::Caps: c.caps = toggleOn(t); return;
    case Kw::Scaps: c.scaps = toggleOn(t); return;
    case Kw::V: c.hidden = toggleOn(t); return;
    // paragraphs
    case Kw::Par:
    case Kw::Sect: endParagraph(); return;
    case Kw::Pard: {
        // \pard resets the paragraph; the table flag too, so a row's last paragraph closes the table
        p = ParaProps{};
        return;
    }
    case Kw::Ql: p.align = 0; return;
    case Kw::Qc: p.align = 1; return;
    case Kw::Qr: p.align = 2; return;
    case Kw::Qj: p.align = 3; return;
    case Kw::Li: p.li = v; return;
    case Kw::Ri: p.ri = v; return;
    case Kw::Fi: p.fi = v; return;
    case Kw::Sb: p.sb = v; return;
    case Kw::Sa: p.sa = v; return;
    case Kw::Sl: p.sl = t.hasParam ? v : 0; return;
    case Kw::Slmult: p.slmult = toggleOn(t); return;
    case Kw::Tqr: p.pendingTabKind = 1; return;
    case Kw::Tqc: p.pendingTabKind = 2; return;
    case Kw::Tqdec: p.pendingTabKind = 3; return;
    case Kw::Tx:
    case Kw::Tb:
        if (p.tabCount < ParaProps::kMaxTabs && v >= 0)
            p.tabs[p.tabCount++] = TabStop{v, kw == Kw::Tb ? uint8_t(0) : p.pendingTabKind};
        p.pendingTabKind = 0;
        return;
    case Kw::Pagebb: p.pagebb = toggleOn(t); return;
    // special characters
    case Kw::Tab: appendChar(u'\t'); return;
    case Kw::Line: appendChar(QChar::LineSeparator); return;
    case Kw::Page: pageBreak(); return;
    case Kw::Emdash: appendChar(0x2014); return;
    case Kw::Endash: appendChar(0x2013); return;
    case Kw::Emspace: appendChar(0x2003); return;
    case Kw::Enspace: appendChar(0x2002); return;
    case Kw::Bullet: appendChar(0x2022); return;
    case Kw::Lquote: appendChar(0x2018); return;
    case Kw::Rquote: appendChar(0x2019); return;
    case Kw::Ldblquote: appendChar(0x201C); return;
    case Kw::Rdblquote: appendChar(0x201D); return;
    case Kw::U:
        appendChar(char16_t(v < 0 ? (v < -32768 ? 0xFFFD : v + 65536) : (v > 65535 ? 0xFFFD : v)));
        m_ucSkip = m_state.uc;
        return;
    case Kw::Uc: m_state.uc = clampInt(v, 0, 64); return;
    // tables
    case Kw::Trowd: m_cellx.clear(); return;
    case Kw::Cellx:
        if (static_cast<int>(m_cellx.size()) < m_limits.maxTableColumns)
            m_cellx.push_back(v);
        return;
    case Kw::Intbl: p.intbl = true; return;
    case Kw::Cell: nextCell(); return;
    case Kw::Row: endRow(); return;
    case Kw::Nestcell: appendChar(u'\t'); return;   // nested tables are flattened into their outer cell
    case Kw::Nestrow: appendChar(QChar::LineSeparator); return;
    default: return;
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
    default: break;
    }
    if (dest != Dest::Text)
        return;
    switch (ch) {
    case '~': appendChar(0x00A0); return;
    case '-': appendChar(0x00AD); return;
    case '_': appendChar(0x2011); return;
    case '\t': appendChar(u'\t'); return;
    case '\r':
    case '\n': endParagraph(); return;
    default: return;  // \* is handled by the caller; \: \| and the rest mean nothing here
    }
}

void Reader::onText(std::string_view bytes)
{
    if (m_overflowSkip > 0)
        return;
    switch (m_state.dest) {
    case Dest::Text: appendBytes(bytes); return;
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
    case Dest::Picture: pictureHex(bytes); return;
    case Dest::FieldInst:
        if (m_state.field >= 0) {
            Field& f = m_fields[static_cast<std::size_t>(m_state.field)];
            if (f.instruction.size() < 2048)
                m_codec.decode(m_docCodePage, bytes.substr(0, 2048), f.instruction);
        }
        return;
    default: return;
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
    case 1: f.setAlignment(Qt::AlignHCenter); break;
    case 2: f.setAlignment(Qt::AlignRight); break;
    case 3: f.setAlignment(Qt::AlignJustify); break;
    default: f.setAlignment(Qt::AlignLeft); break;
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

// --- paragraphs and tables -----------------------------------------------------------------------------

void Reader::ensureTableContext(bool forceTable)
{
    const bool inTable = forceTable || m_state.p.intbl;
    if (m_table && (!inTable || (m_rowPending && m_tableCells >= m_limits.maxTableCells))) {
        flush();
        closeTable();  // left the table, or too many cells: what follows is plain paragraphs
    } else if (inTable && m_tableCells < m_limits.maxTableCells) {
        if (!m_table) {
            flush();
            openTable();
        } else if (m_rowPending) {
            flush();
            m_rowPending = false;
            if (m_row + 1 >= m_limits.maxTableRows) {
                closeTable();
                openTable();
                return;
            }
            if (m_row + 1 >= m_table->rows()) {
                // Every change of the table's rows rebuilds its whole grid, so rows are added in growing
                // batches and the unused ones removed when the table ends: linear time for long tables.
                const int more = std::min(m_table->rows(), m_limits.maxTableRows - m_table->rows());
                m_table->appendRows(std::max(1, more));
            }
            m_tableCells += m_table->columns();
            ++m_row;
            m_col = 0;
            widenTable(static_cast<int>(m_cellx.size()));
            m_cursor = m_table->cellAt(m_row, 0).firstCursorPosition();
        } else if (m_col >= m_table->columns()) {
            // content after the last cell the row defined: a new column, or the last cell when full
            flush();
            if (m_table->columns() < m_limits.maxTableColumns &&
                m_tableCells + m_table->rows() <= m_limits.maxTableCells) {
                widenTable(m_col + 1);
                m_cursor = m_table->cellAt(m_row, m_col).firstCursorPosition();
            } else {
                m_col = m_table->columns() - 1;
                m_cursor = m_table->cellAt(m_row, m_col).lastCursorPosition();
                m_cursor.insertText(QStringLiteral("\t"));
            }
        }
    }
}

void Reader::openTable()
{
    const int columns = std::clamp(static_cast<int>(m_cellx.size()), 1, m_limits.maxTableColumns);
    if (m_blockHasContent) {
        m_cursor.setBlockFormat(blockFormat());
        m_cursor.insertBlock();
    }
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setCellPadding(2);
    format.setCellSpacing(0);
    if (static_cast<int>(m_cellx.size()) == columns) {
        QList<QTextLength> widths;
        int left = 0;
        for (int x : m_cellx) {
            widths << QTextLength(QTextLength::FixedLength, std::clamp(x - left, 15, 150000) / 15.0);
            left = std::max(left, x);
        }
        format.setColumnWidthConstraints(widths);
    }
    m_table = m_cursor.insertTable(1, columns, format);
    m_tableCells += columns;
    m_row = 0;
    m_col = 0;
    m_rowPending = false;
    m_blockHasContent = false;
    m_cursor = m_table->cellAt(0, 0).firstCursorPosition();
}

void Reader::widenTable(int columns)
{
    columns = std::min(columns, m_limits.maxTableColumns);
    if (!m_table || columns <= m_table->columns())
        return;
    const int added = columns - m_table->columns();
    m_table->appendColumns(added);
    m_tableCells += added * m_table->rows();
    QTextTableFormat format = m_table->format();
    format.clearColumnWidthConstraints();
    m_table->setFormat(format);
}

void Reader::closeTable()
{
    if (!m_table)
        return;
    if (m_table->rows() > m_row + 1)
        m_table->removeRows(m_row + 1, m_table->rows() - m_row - 1);
    m_cursor = m_table->lastCursorPosition();
    m_cursor.movePosition(QTextCursor::NextBlock);
    m_table = nullptr;
    m_rowPending = false;
    m_blockHasContent = false;
}

void Reader::nextCell()
{
    ensureTableContext(true);
    flush();
    if (!m_table) {
        appendChar(u'\t');  // too many cells: the rest are shown as tab-separated lines
        return;
    }
    m_cursor.setBlockFormat(blockFormat());
    ++m_col;  // a cell past the row's last one is made when content arrives for it
    if (m_col < m_table->columns())
        m_cursor = m_table->cellAt(m_row, m_col).firstCursorPosition();
}

void Reader::endRow()
{
    flush();
    if (!m_table) {
        endParagraph();
        return;
    }
    m_rowPending = true;
}

void Reader::endParagraph()
{
    ensureTableContext();
    flush();
    m_cursor.setBlockFormat(blockFormat());
    m_cursor.insertBlock();
    m_blockPageBreak = false;
    m_blockHasContent = false;
}

void Reader::pageBreak()
{
    ensureTableContext();
    if (m_table)
        return;  // a page break inside a table row is not kept
    flush();
    if (m_blockHasContent) {
        m_cursor.setBlockFormat(blockFormat());
        m_cursor.insertBlock();
        m_blockHasContent = false;
    }
    m_blockPageBreak = true;
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

// --- pictures ------------------------------------------------------------------------------------------

void Reader::pictureHex(std::string_view bytes)
{
    Picture& p = m_pict;
    for (const char ch : bytes) {
        const int v = RtfTokenizer::hexDigit(static_cast<unsigned char>(ch));
        if (v < 0)
            continue;  // blanks and line breaks between the digits
        if (p.pendingNibble < 0) {
            p.pendingNibble = v;
            continue;
        }
        if (p.data.size() < m_limits.maxPictureBytes)
            p.data.append(static_cast<char>(p.pendingNibble * 16 + v));
        else
            p.overflow = true;
        p.pendingNibble = -1;
    }
}

QImage Reader::decodePicture(const Picture& pic, bool& placeholder)
{
    placeholder = true;
    if (pic.overflow || pic.data.isEmpty() || m_pictureCount >= m_limits.maxPictures ||
        m_pictureBytes + pic.data.size() > m_limits.maxTotalPictureBytes)
        return {};
    m_pictureBytes += pic.data.size();
    QByteArray data = pic.data;
    QByteArray format;
    switch (pic.format) {
    case PictFormat::Png: format = "png"; break;
    case PictFormat::Jpeg: format = "jpeg"; break;
    case PictFormat::Dib: {
        // A DIB is a BMP file without its 14-byte file header; put one in front.
        if (data.size() < 40)
            return {};
        const auto u32 = [&](int at) {
            return quint32(quint8(data[at])) | quint32(quint8(data[at + 1])) << 8 |
                   quint32(quint8(data[at + 2])) << 16 | quint32(quint8(data[at + 3])) << 24;
        };
        const quint32 headerSize = u32(0);
        const quint16 bits = quint16(quint8(data[14]) | quint8(data[15]) << 8);
        quint32 colours = u32(32);
        if (colours == 0 && bits <= 8)
            colours = 1u << bits;
        const quint64 offset =
            14ull + std::min<quint32>(headerSize, 1024) + std::min<quint32>(colours, 256) * 4ull;
        QByteArray header(14, '\0');
        const quint32 total = quint32(14 + data.size());
        header[0] = 'B';
        header[1] = 'M';
        for (int i = 0; i < 4; ++i) {
            header[2 + i] = char((total >> (8 * i)) & 0xFF);
            header[10 + i] = char((quint32(offset) >> (8 * i)) & 0xFF);
        }
        data.prepend(header);
        format = "bmp";
        break;
    }
    case PictFormat::Wbitmap: {
        // A device-dependent bitmap: raw rows, top row first. Monochrome and true-colour rows are read.
        const int w = pic.picw, h = pic.pich, stride = pic.widthBytes;
        if (w <= 0 || h <= 0 || stride <= 0 || pic.planes != 1 || qint64(w) * h > m_limits.maxPicturePixels ||
            qint64(stride) * h > data.size())
            return {};
        QImage::Format f = pic.bitsPixel == 1   ? QImage::Format_Mono
                           : pic.bitsPixel == 24 ? QImage::Format_BGR888
                           : pic.bitsPixel == 32 ? QImage::Format_RGB32
                                                 : QImage::Format_Invalid;
        if (f == QImage::Format_Invalid || qint64(w) * pic.bitsPixel > qint64(stride) * 8)
            return {};
        QImage image(reinterpret_cast<const uchar*>(data.constData()), w, h, stride, f);
        if (f == QImage::Format_Mono)
            image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        placeholder = false;
        return image.copy();
    }
    default: return {};
    }
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAllocationLimit(
        static_cast<int>(std::max<qint64>(1, m_limits.maxPicturePixels * 4 / (1024 * 1024))));
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > m_limits.maxPicturePixels)
        return {};
    QImage image = reader.read();
    if (image.isNull())
        return {};
    placeholder = false;
    return image;
}

void Reader::finishPicture()
{
    flush();
    ensureTableContext();
    bool placeholder = true;
    const QImage image = decodePicture(m_pict, placeholder);
    const Picture& pic = m_pict;

    // Display size in twips: the goal size if given, else the picture's own size, then the scale.
    double wTw = pic.goalw > 0 ? pic.goalw : 0;
    double hTw = pic.goalh > 0 ? pic.goalh : 0;
    if (wTw <= 0 || hTw <= 0) {
        if (!image.isNull()) {
            wTw = image.width() * 15.0;
            hTw = image.height() * 15.0;
        } else if (pic.format == PictFormat::Metafile) {
            wTw = pic.picw * 1440.0 / 2540.0;  // hundredths of a millimetre
            hTw = pic.pich * 1440.0 / 2540.0;
        } else {
            wTw = pic.picw * 15.0;
            hTw = pic.pich * 15.0;
        }
    }
    wTw *= std::clamp(pic.scalex, 1, 1000) / 100.0;
    hTw *= std::clamp(pic.scaley, 1, 1000) / 100.0;
    const double wPx = std::clamp(wTw / 15.0, 8.0, 4000.0);
    const double hPx = std::clamp(hTw / 15.0, 8.0, 4000.0);

    QString name;
    if (placeholder) {
        name = QStringLiteral("rtf-picture:placeholder");
        if (m_doc.resource(QTextDocument::ImageResource, QUrl(name)).isNull()) {
            QImage box(64, 48, QImage::Format_RGB32);
            box.fill(QColor(240, 240, 240));
            QPainter painter(&box);
            painter.setPen(QColor(128, 128, 128));
            painter.drawRect(0, 0, 63, 47);
            painter.drawLine(0, 0, 63, 47);
            painter.drawLine(0, 47, 63, 0);
            painter.end();
            m_doc.addResource(QTextDocument::ImageResource, QUrl(name), box);
        }
        ++m_result.placeholders;
    } else {
        name = QStringLiteral("rtf-picture:%1").arg(m_pictureCount);
        m_doc.addResource(QTextDocument::ImageResource, QUrl(name), image);
        ++m_pictureCount;
        ++m_result.pictures;
    }
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(wPx);
    format.setHeight(hPx);
    m_cursor.insertImage(format);
    m_blockHasContent = true;
    m_pict = Picture{};
}

}  // namespace

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
