#pragma once

#include "catalog/errorreporter.h"
#include "catalog/mediafiles.h"
#include "fakes/fakedrives.h"
#include "fakes/fakemessages.h"
#include "fakes/fakeprocesses.h"
#include "support/mediatree.h"

// What most logic tests stand on: a throw-away media tree, a drive map, media look-ups, scripted message
// boxes, recorded program ends and an error reporter wired to them. Fixtures derive from it.
struct TestServices {
    MediaTree tree;
    FakeDrives drives;
    MediaFiles files{drives};
    FakeMessages messages;
    FakeProcesses processes;
    ErrorState errors;
    ErrorReporter reporter{errors, messages, processes};
};
