#pragma once

#include <QMap>

#include "platform/drives.h"

// Drive letters read from /proc/self/mounts each time they are asked for, so a disc mounted while the
// program waits at "Retry" is found.
class LinuxDrives final : public IDrives {
public:
    QString mountPoint(QChar letter) const override;
};
