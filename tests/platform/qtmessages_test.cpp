// The real message box: what the user sees of a long, indented message.
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include "platform/qt/qtmessages.h"
#include "utils/displaycheck.h"

namespace {

struct Seen {
    bool found = false;
    int labelWidth = 0;
    int heightAtItsWidth = 0;
    int heightUnwrapped = 0;
    QRect frame;
};

// Shows the request in a real box, looks at it while it is up and presses its OK button.
Seen showAndLook(const MessageRequest& request, const QString& widestLine)
{
    Seen seen;
    QTimer::singleShot(0, qApp, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (label) {
            seen.found = true;
            seen.labelWidth = label->width();
            seen.heightAtItsWidth = label->heightForWidth(label->width());
            seen.heightUnwrapped = label->heightForWidth(100000);
            if (seen.heightAtItsWidth < 0) // a label that does not wrap keeps its height
                seen.heightAtItsWidth = seen.heightUnwrapped = label->sizeHint().height();
            EXPECT_GE(label->width(), QFontMetrics(label->font()).horizontalAdvance(widestLine))
                << "the widest indented line does not fit on one line";
        }
        seen.frame = box->frameGeometry();
        box->button(QMessageBox::Ok)->click();
    });
    QtMessages messages;
    EXPECT_EQ(messages.ask(request), MessageAnswer::Ok);
    return seen;
}

} // namespace

TEST(QtMessages, APreformattedMessageKeepsItsLinesAndTheirIndentation)
{
    MessageRequest r;
    r.icon = MessageIcon::Warning;
    r.preformatted = true;
    r.text = displaycheck::adviceText(1024, 768);
    const Seen seen = showAndLook(
        r,
        QStringLiteral("    1)  Click the right mouse button while the cursor is on the Windows desktop."));
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.heightAtItsWidth, seen.heightUnwrapped) << "a line was wrapped";
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(seen.frame.width(), screen.width());
}
