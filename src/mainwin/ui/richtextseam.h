#pragma once

#include <functional>

#include <QString>

class QTextBrowser;

// Loads a rich-text file (a real path) into the details box; false when it cannot be read.
using RichTextLoader = std::function<bool(QTextBrowser& box, const QString& realPath)>;

// The program's RTF reader, as the document viewer uses it.
bool loadRichTextDetails(QTextBrowser& box, const QString& realPath);
