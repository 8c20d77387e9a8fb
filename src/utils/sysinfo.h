#pragma once

#include <QString>
#include <QStringList>

class IDesktop;
class IMessages;

// StartSysInfo: finds the system-information program in two look-ups in a fixed order (the path in the
// program's own settings, then the desktops' own tools on the PATH) and starts it without waiting.
class SysInfo {
public:
    // The settings key that holds a full program path.
    static QString settingsKey() { return QStringLiteral("SystemInfo/Program"); }
    // The desktops' system-information programs, searched on the PATH in this order.
    static const QStringList& knownPrograms();
    static QString unavailableText()
    {
        return QStringLiteral("System Information Is Unavailable At This Time");
    }

    SysInfo(IDesktop& desktop, IMessages& messages);

    // The program to start, or empty. The PATH is not searched when the settings name a program.
    QString findProgram() const;
    // True when a program was started; otherwise the message has been shown.
    bool start();

private:
    IDesktop& m_desktop;
    IMessages& m_messages;
};
