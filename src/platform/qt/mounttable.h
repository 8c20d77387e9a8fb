#pragma once

#include <QString>

// The system's table of mounted file systems.
namespace mounttable {
// True when a file system is mounted exactly at the folder.
bool isMountPoint(const QString& folder);
} // namespace mounttable
