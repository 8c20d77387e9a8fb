#pragma once

#include <cstdint>
#include <memory>

#include <QByteArray>

class QTextDocument;

// Hard limits that keep a hostile or broken document from eating time or memory. The defaults are far above
// anything a real document of the program uses.
struct RtfLimits {
    qsizetype maxInputBytes = 64 * 1024 * 1024;  // bytes read; the rest is not looked at
    int maxSavedDepth = 256; // nesting whose state is saved; deeper groups are only counted
    int maxFonts = 4096;
    int maxColors = 4096;
    int maxFields = 10000;
    int maxPictures = 1000;                      // decoded pictures; later ones become placeholder boxes
    qsizetype maxPictureBytes = 32 * 1024 * 1024;        // data of one picture
    qsizetype maxTotalPictureBytes = 128 * 1024 * 1024;  // data of all pictures together
    qint64 maxPicturePixels = 40'000'000;
    int maxTableColumns = 64;
    int maxTableRows = 1000;                     // rows of one table; a longer table goes on in a new one
    int maxTableCells = 200'000;                 // cells of all tables; later rows become tab-separated lines
};

// What an import did.
struct RtfImportResult {
    bool isRtf = false;          // false: the bytes did not start with {\rtf and were shown as plain text
    bool truncated = false;      // the input was longer than maxInputBytes
    int textLength = 0;          // characters of the document's text (see richTextLength)
    int pictures = 0;            // pictures shown as images
    int placeholders = 0;        // pictures shown as placeholder boxes
    int maxDepth = 0;            // deepest group nesting met
};

// Reads an RTF document (as WordPad, RichEdit and Word 97 write them) into a QTextDocument. Bytes that do not
// start with "{\rtf" are shown as plain text, the way the platform's rich-text control does. Never fails:
// whatever cannot be read is left out or shown as a placeholder.
class RtfImporter {
public:
    explicit RtfImporter(RtfLimits limits = {});

    RtfImportResult import(const QByteArray& bytes, QTextDocument& document) const;

private:
    RtfLimits m_limits;
};
