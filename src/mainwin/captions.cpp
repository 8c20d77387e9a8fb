#include "mainwin/captions.h"

QString DoubleAmpersands(const QString& text)
{
    QString out = text;
    return out.replace(QLatin1Char('&'), QStringLiteral("&&"));
}
