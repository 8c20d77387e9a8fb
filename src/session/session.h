#pragma once

#include <QString>

#include "catalog/errorreporter.h"
#include "catalog/mediafiles.h"
#include "catalog/mediaroots.h"
#include "catalog/photoindex.h"
#include "catalog/photostepstate.h"
#include "catalog/selectionstate.h"
#include "session/commands.h"
#include "session/ports.h"
#include "session/sessionhooks.h"
#include "slideshow/slidestate.h"
#include "viewers/documentstate.h"

// Everything the windows of the program share, built once by the composition root (or by a test) and
// handed by reference to each subsystem's module.
struct Session {
    Session(IMessages& messages, IProcesses& processes, const IDrives& drives, QString programFolder)
        : reporter(errors, messages, processes), files(drives)
    {
        roots.programFolder = std::move(programFolder);
    }
    explicit Session(const Ports& ports, QString programFolder)
        : Session(ports.messages, ports.processes, ports.drives, std::move(programFolder))
    {
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    QString commandLine;  // the whole command line as one text ("HWI" switch)
    ErrorState errors;
    ErrorReporter reporter;
    MediaRoots roots;
    MediaFiles files;
    PhotoIndex index;
    PhotoStepState step;
    SelectionState selection;
    DocumentState documents;
    SlideState slides;
    Commands commands;
    SessionHooks hooks;
};
