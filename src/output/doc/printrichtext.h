#pragma once

#include <QtGlobal>

class IPrinter;
class QTextDocument;

// Prints a whole rich-text document as one job, page by page, inside margins given in twips. The job is
// named after the document's title (its file name when it was loaded from a file). Returns false when the
// job could not be started or finished; the printer has told the user why.
bool PrintRichText(IPrinter& printer, const QTextDocument& R, qint32 L, qint32 T, qint32 Rt, qint32 B);
