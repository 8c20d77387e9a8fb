#include "utils/displaycheck.h"

#include <QStringList>

#include "platform/screen.h"
#include "utils/screensize.h"

namespace {
// A number with the blank a sign would take.
QString signed_(long long x)
{
    return (x < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + QString::number(x < 0 ? -x : x);
}
} // namespace

namespace displaycheck {

QString optimumText()
{
    return QStringLiteral("Your current screen resolution is set at 800x600.\r\n\r\n"
                          "This is the optimum setting for the Zephane Folarium!");
}

QString adviceText(long long width, long long height)
{
    const QStringList lines = {
        QStringLiteral("Your current screen resolution is set at ") + signed_(width) + QStringLiteral(" by") +
            signed_(height) + QStringLiteral(" pixles."),
        QString(),
        QStringLiteral("The optimum setting for the Zephane Folarium is 800 by 600 pixels."),
        QString(),
        QStringLiteral(
            "Also, The Zephane Folarium requires that the Small Fonts display setting is selected."),
        QString(),
        QStringLiteral("To change your resolution and font size settings perform the following steps:"),
        QStringLiteral("    1)  Click the right mouse button while the cursor is on the Windows desktop."),
        QStringLiteral("    2)  Select the Properties option from the window that will be displayed."),
        QStringLiteral("    3)  Select the Settings tab."),
        QStringLiteral("    4)  Adjust the Screen area Slide control to 800x600."),
        QStringLiteral("    5)  You may also want to set the Colors to the highest level allowed by your"),
        QStringLiteral("         graphics card."),
        QStringLiteral("    6)  To change the font size setting:"),
        QStringLiteral("          Click the Advanced button on the bottom right of the above window."),
        QStringLiteral("          Select Small Fonts from the font size drop-down list box."),
        QString(),
        QStringLiteral("You may now have to re-start your computer for the new settings to take affect."),
        QString(),
    };
    return lines.join(QStringLiteral("\r\n"));
}

MessageRequest message(const IScreen& screen)
{
    MessageRequest r;
    r.buttons = MessageButtons::Ok;
    if (IsScreenSize(screen, 800, 600)) {
        r.text = optimumText();
        return r;
    }
    r.icon = MessageIcon::Warning;
    r.preformatted = true; // the steps are indented under each other
    r.text = adviceText(screen.widthTwips() / 15, screen.heightTwips() / 15);
    return r;
}

} // namespace displaycheck
