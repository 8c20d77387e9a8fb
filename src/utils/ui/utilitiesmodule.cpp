#include "utils/ui/utilitiesmodule.h"

#include <QDialog>

#include "platform/messages.h"
#include "session/session.h"
#include "shared/ui/mainframe.h"
#include "utils/displaycheck.h"
#include "utils/publisher.h"
#include "utils/ui/aboutwindow.h"

UtilitiesModule::UtilitiesModule(Session& session, const Ports& ports, IMainFrame& frame)
    : m_frame(frame), m_messages(ports.messages), m_screen(ports.screen),
      m_sysInfo(ports.desktop, ports.messages),
      m_help(session.files, session.roots, ports.desktop, ports.messages),
      m_runModal([](QDialog& d) { d.exec(); })
{
    Commands& c = session.commands;
    c.add(Command::HelpContents, [this](int) { m_help.open(); });
    c.add(Command::Register, [this](int) {
        MessageRequest r;
        r.text = publisher::registrationNotice();
        r.icon = MessageIcon::Information;
        m_messages.ask(r);
    });
    c.add(Command::About, [this](int) { showAbout(); });
    c.add(Command::SysInfo, [this](int) { m_sysInfo.start(); });
    c.add(Command::CheckScreen, [this](int) { m_messages.ask(displaycheck::message(m_screen)); });
}

void UtilitiesModule::showAbout()
{
    QWidget* parent = m_frame.panelParent();
    AboutWindow about(parent);
    about.setWindowModality(Qt::ApplicationModal);
    const QSize main = parent ? parent->window()->size() : QSize();
    about.move(publisher::aboutPosition(main, about.size()));
    m_runModal(about);
}
