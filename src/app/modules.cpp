#include "app/modules.h"

#include "mainwin/ui/mainwindowmodule.h"
#include "output/ui/outputmodule.h"
#include "search/ui/searchmodule.h"
#include "session/ports.h"
#include "session/session.h"
#include "shared/ui/documentviewerhost.h"
#include "shared/ui/documentwindow.h"
#include "slideshow/ui/slideshowmodule.h"
#include "utils/ui/utilitiesmodule.h"
#include "viewers/ui/librarymodule.h"

ModuleList buildFurtherModules(Session& session, const Ports& ports, MainWindowModule& main)
{
    IMainFrame& frame = main;
    ModuleList modules;
    // The one place where subsystems are added, one line each.
    modules.push_back(std::make_shared<SlideShowModule>(session, ports, frame));
    modules.push_back(std::make_shared<LibraryModule>(session, ports, frame, main.documentViewer()));
    modules.push_back(std::make_shared<UtilitiesModule>(session, ports, frame));
    modules.push_back(std::make_shared<OutputModule>(session, ports, frame, main.documentViewer()));
    modules.push_back(std::make_shared<SearchModule>(session, ports, frame, main.documentViewer()));
    return modules;
}
