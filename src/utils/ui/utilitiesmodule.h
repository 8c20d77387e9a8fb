#pragma once

#include <functional>

#include "utils/helpfile.h"
#include "utils/sysinfo.h"

class IMainFrame;
class IMessages;
class IScreen;
class QDialog;
struct Ports;
struct Session;

// The system utilities of the Help and File menus: help contents, registration notice, About, system
// information and the display check. Registers HelpContents, Register, About, SysInfo and CheckScreen.
class UtilitiesModule {
public:
    UtilitiesModule(Session& session, const Ports& ports, IMainFrame& frame);

    // How a modal window waits; tests replace it with a plain show.
    void setRunModal(std::function<void(QDialog&)> runModal) { m_runModal = std::move(runModal); }

private:
    void showAbout();

    IMainFrame& m_frame;
    IMessages& m_messages;
    const IScreen& m_screen;
    SysInfo m_sysInfo;
    HelpFile m_help;
    std::function<void(QDialog&)> m_runModal;
};
