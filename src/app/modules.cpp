#include "app/modules.h"

#include "mainwin/ui/mainframe.h"
#include "session/ports.h"
#include "session/session.h"

ModuleList buildFurtherModules(Session& session, const Ports& ports, IMainFrame& frame)
{
    ModuleList modules;
    // ---- The one place where subsystems are added, one line each, for example:
    //   modules.push_back(std::make_unique<SlideShowModule>(session, ports, frame));
    //   modules.push_back(std::make_unique<LibraryModule>(session, ports, frame));
    // ----
    (void)session;
    (void)ports;
    (void)frame;
    return modules;
}
