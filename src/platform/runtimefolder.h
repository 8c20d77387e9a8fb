#pragma once

#include <QString>

// The user's folder for files that last only as long as the session ($XDG_RUNTIME_DIR, kept in memory on a
// desktop). Qt checks that it is the user's own and private and makes one when the session has none; the
// temporary folder where even that fails.
QString runtimeFolder();
