#include "mainwin/ui/richtextseam.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>

bool loadRichTextPlain(QTextBrowser& box, const QString& realPath)
{
    QFile f(realPath);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    QString text = QString::fromLatin1(f.read(1 << 20));
    if (text.startsWith(QLatin1String("{\\rtf"))) {
        static const QRegularExpression groups(
            QStringLiteral("\\{\\\\(\\*|fonttbl|colortbl|stylesheet|info)[^{}]*(\\{[^{}]*\\}[^{}]*)*\\}"));
        static const QRegularExpression par(QStringLiteral("\\\\par[d]?\\b ?"));
        static const QRegularExpression words(QStringLiteral("\\\\[a-zA-Z]+-?\\d* ?"));
        text.remove(groups);
        text.replace(par, QStringLiteral("\n"));
        text.remove(words);
        text.remove(QLatin1Char('{')).remove(QLatin1Char('}'));
    }
    box.setPlainText(text.trimmed());
    return true;
}
