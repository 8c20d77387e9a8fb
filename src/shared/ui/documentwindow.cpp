#include "shared/ui/documentwindow.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QUrl>

#include "shared/ui/findbar.h"
#include "viewers/doc/richtextdocument.h"

namespace {
QPushButton* pictureButton(QWidget* parent, const char* name, const QString& accessible, const QIcon& icon,
                           const QRect& geometry)
{
    auto* b = new QPushButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setIcon(icon);
    b->setToolTip(accessible);
    b->setAccessibleName(accessible); // no caption on screen, but screen readers still name it
    b->setGeometry(geometry);
    b->setAutoDefault(false);
    return b;
}
} // namespace

DocumentWindow::DocumentWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("txtForm"));
    setFixedSize(kClientSize);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_rtbText = new QTextBrowser(this);
    m_rtbText->setObjectName(QStringLiteral("rtbText"));
    m_rtbText->setGeometry(kTextBox);
    m_rtbText->setOpenLinks(false);
    m_rtbText->setAccessibleName(QStringLiteral("Document"));
    connect(m_rtbText, &QTextBrowser::anchorClicked, this, [](const QUrl& url) {
        // Links to the web and to mail open outside; anything else (files, bookmarks) is not followed.
        const QString scheme = url.scheme().toLower();
        if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
            scheme == QLatin1String("mailto"))
            QDesktopServices::openUrl(url);
    });

    QStyle* s = style();
    m_close = pictureButton(this, "SSCommand1", QStringLiteral("Close"),
                            s->standardIcon(QStyle::SP_DialogCloseButton), kCloseButton);
    m_sound = pictureButton(this, "SSCommand2", QStringLiteral("Sound"),
                            s->standardIcon(QStyle::SP_MediaPlay), kSoundButton);
    m_stop = pictureButton(this, "SSCommand3", QStringLiteral("Stop"), s->standardIcon(QStyle::SP_MediaStop),
                           kStopButton);
    m_print = pictureButton(this, "cmdPrint", QStringLiteral("Print"),
                            QIcon::fromTheme(QStringLiteral("document-print"),
                                             s->standardIcon(QStyle::SP_FileDialogDetailedView)),
                            kPrintButton);
    connect(m_close, &QPushButton::clicked, this, [this] {
        m_closeReason = CloseReason::CloseButton;
        done(QDialog::Accepted);
    });
    connect(m_print, &QPushButton::clicked, this, &DocumentWindow::printRequested);
    new FindBar(*m_rtbText, *this); // hidden until Ctrl+F
    centre();
}

bool DocumentWindow::loadDocument(const QString& realPath)
{
    if (!loadRichTextFile(realPath, *m_rtbText->document()))
        return false;
    m_rtbText->moveCursor(QTextCursor::Start);
    return true;
}

void DocumentWindow::centre()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void DocumentWindow::closeEvent(QCloseEvent* event)
{
    if (m_closeReason == CloseReason::None)
        m_closeReason = CloseReason::CloseBox;
    QDialog::closeEvent(event);
}
