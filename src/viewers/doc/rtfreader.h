#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QString>
#include <QTextCursor>
#include <QTextFormat>

#include "viewers/doc/rtfcodepage.h"
#include "viewers/doc/rtfimporter.h"
#include "viewers/doc/rtfkeywords.h"
#include "viewers/doc/rtftokenizer.h"

class QImage;
class QTextDocument;
class QTextTable;

namespace rtfread {

using Token = RtfTokenizer::Token;
using TokenKind = RtfTokenizer::Kind;

enum class Dest : uint8_t { Text, Skip, FontTable, FontAlt, ColorTable, Picture, FieldInst, Upr };

struct CharProps {
    int font = -1; // font number; -1 is the document's default font
    int fs = 24;   // half-points
    int up = 0;    // half-points raised (negative: lowered)
    int cf = 0;
    int cb = 0;
    int link = -1;   // field whose hyperlink this text belongs to
    int8_t vert = 0; // 1 superscript, -1 subscript
    bool b = false, i = false, ul = false, strike = false, caps = false, scaps = false, hidden = false;
    bool operator==(const CharProps&) const = default;
};

struct TabStop {
    int pos = 0;      // twips
    uint8_t kind = 0; // 0 left, 1 right, 2 centre, 3 decimal
};

struct ParaProps {
    static constexpr int kMaxTabs = 32;
    int li = 0, ri = 0, fi = 0, sb = 0, sa = 0, sl = 0;
    uint8_t align = 0; // 0 left, 1 centre, 2 right, 3 justify
    uint8_t pendingTabKind = 0;
    uint8_t tabCount = 0;
    bool slmult = false, intbl = false, pagebb = false;
    std::array<TabStop, kMaxTabs> tabs{};
};

struct State {
    Dest dest = Dest::Text;
    Dest outerDest = Dest::Text; // what \ud returns to inside \upr
    int uc = 1;
    int field = -1;
    CharProps c;
    ParaProps p;
};

struct Font {
    QString name;
    QString alt;
    int codePage = 0; // 0: the document's code page
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

inline int clampInt(int v, int lo, int hi)
{
    return std::min(std::max(v, lo), hi);
}
inline bool toggleOn(const Token& t)
{
    return !t.hasParam || t.param != 0;
}

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
    int m_depth = 0;        // real nesting, counted even past the saved depth
    int m_overflowSkip = 0; // > 0: skipping a destination that began past the saved depth, at this depth
    bool m_star = false;    // the last token was \*
    int m_ucSkip = 0;       // fallback characters still to skip after \u
    bool m_done = false;    // the root group has closed

    int m_docCodePage = 1252;
    int m_deff = 0;
    QHash<int, Font> m_fonts;
    int m_fontNumber = -1; // entry being read in the font table
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
    std::vector<int> m_cellx; // right boundaries of the row being defined, twips
    int m_row = 0, m_col = 0;
    bool m_rowPending = false; // \row seen; the next row starts with the next content
    int m_tableCells = 0;

    // pictures
    Picture m_pict;
    qsizetype m_pictureBytes = 0;
    int m_pictureCount = 0;
};

} // namespace rtfread
