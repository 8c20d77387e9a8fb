#include "mainwin/ui/richtextseam.h"

#include <QTextBrowser>
#include <QTextCursor>

#include "viewers/doc/richtextdocument.h"

bool loadRichTextDetails(QTextBrowser& box, const QString& realPath)
{
    if (!loadRichTextFile(realPath, *box.document()))
        return false;
    box.moveCursor(QTextCursor::Start);
    return true;
}
