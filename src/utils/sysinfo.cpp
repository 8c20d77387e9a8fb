#include "utils/sysinfo.h"

#include "platform/desktop.h"
#include "platform/messages.h"

SysInfo::SysInfo(IDesktop& desktop, IMessages& messages) : m_desktop(desktop), m_messages(messages) {}

const QStringList& SysInfo::knownPrograms()
{
    static const QStringList programs = {QStringLiteral("kinfocenter"), QStringLiteral("hardinfo2"),
                                         QStringLiteral("hardinfo"), QStringLiteral("gnome-system-monitor"),
                                         QStringLiteral("mate-system-monitor")};
    return programs;
}

QString SysInfo::findProgram() const
{
    const QString configured = m_desktop.setting(settingsKey()).trimmed();
    if (!configured.isEmpty())
        return configured;
    for (const QString& name : knownPrograms()) {
        const QString found = m_desktop.findOnPath(name);
        if (!found.isEmpty())
            return found;
    }
    return {};
}

bool SysInfo::start()
{
    const QString program = findProgram();
    if (!program.isEmpty() && m_desktop.startDetached(program, {}))
        return true;
    MessageRequest r;
    r.text = unavailableText();
    r.buttons = MessageButtons::Ok;
    m_messages.ask(r);
    return false;
}
