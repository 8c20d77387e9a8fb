#pragma once

#include <functional>

#include <QString>

class QTextBrowser;

// Loads a rich-text file (a real path) into the details box; false when it cannot be read. The program's
// RTF reader plugs in here; until then a plain reader that drops the RTF markup stands in.
using RichTextLoader = std::function<bool(QTextBrowser& box, const QString& realPath)>;

bool loadRichTextPlain(QTextBrowser& box, const QString& realPath);
