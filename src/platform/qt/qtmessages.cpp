#include "platform/qt/qtmessages.h"

#include <QApplication>
#include <QMessageBox>

MessageAnswer QtMessages::ask(const MessageRequest& request)
{
    QMessageBox box(QApplication::activeWindow());
    // Boxes that set no title of their own carry the application's title.
    box.setWindowTitle(request.title.isEmpty() ? QStringLiteral("The Zephane Folarium") : request.title);
    if (request.preformatted) {
        // Line by line as written: a box wraps long plain text at half the screen, and a wrapped step
        // loses its indentation.
        QString lines = request.text;
        lines.remove(QLatin1Char('\r'));
        box.setTextFormat(Qt::RichText);
        box.setText(QStringLiteral("<div style=\"white-space:pre\">") + lines.toHtmlEscaped() +
                    QStringLiteral("</div>"));
    } else {
        box.setText(request.text);
    }
    switch (request.icon) {
    case MessageIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    switch (request.buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MessageButtons::RetryCancel:
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    }
    box.setWindowModality(request.systemModal ? Qt::ApplicationModal : Qt::WindowModal);
    if (request.systemModal)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Retry:
        return MessageAnswer::Retry;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Cancel;
    }
}
