#include "utils/publisher.h"

#include <QStringList>

namespace publisher {

QString nameAndAddress()
{
    return QStringLiteral("Folarium Reference Editions\n"
                          "100 Example Lane\n"
                          "Sampleton, EX 00000\n"
                          "www.example.org");
}

QString rightsNotice()
{
    return QStringLiteral("Text, pictures, sounds and movies of this reference belong to their authors and "
                          "are used with permission. All rights reserved.");
}

QString registrationNotice()
{
    const QStringList lines = {
        QStringLiteral("You may register the Zephane Folarium 2000 on-line at:"),
        QString(),
        QString(20, QLatin1Char(' ')) + QStringLiteral("www.example.com/register") + QLatin1Char(' '),
        QString(),
        QStringLiteral("By registering, you will receive discount notices for updates to this software"),
        QStringLiteral("Also from Folarium Reference Editions: the Folarium picture and sound collections."),
    };
    return lines.join(QStringLiteral("\r\n"));
}

QPoint aboutPosition(QSize mainWindow, QSize about)
{
    return {(mainWindow.width() - about.width()) / 2, (mainWindow.height() - about.height()) / 2};
}

} // namespace publisher
