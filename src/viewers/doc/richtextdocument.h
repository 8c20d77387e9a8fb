#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

#include "viewers/doc/rtfimporter.h"

class QTextDocument;

// Loading a document file into a QTextDocument the way the program's rich-text controls do, and reading
// back its text.

// The number of characters of the document's text: what the rich-text control reports as its text length
// and what printing counts through. Every paragraph end, table cell and picture counts as one character.
int richTextLength(const QTextDocument& document);

// The document as plain text: paragraphs and line breaks as "\n", table cells separated by tabs and each
// table row on its own line, pictures left out.
QString richTextPlainText(const QTextDocument& document);

// Reads a document file (at most RtfLimits::maxInputBytes of it) and shows it in the document. A file that
// cannot be read leaves the document as it was and returns nothing, with the reason in error.
std::optional<RtfImportResult> loadRichTextFile(const QString& path, QTextDocument& document,
                                                QString* error = nullptr, const RtfLimits& limits = {});

// Text of a file that is not RTF: UTF-8 when it is valid UTF-8, else Windows-1252.
QString decodePlainText(const QByteArray& bytes);

// Replaces what a QTextDocument must never be given (its own frame markers, object placeholders, stray
// surrogates, control characters) so hostile text cannot upset the document's structure. With
// keepLineBreaks, line ends are kept as "\n".
void sanitizeRichText(QString& text, bool keepLineBreaks = false);
