#pragma once

#include <QChar>
#include <QString>

// Drive letters as the media search knows them. On Linux a letter stands for a mount point (see the README
// for the rule that hands out the letters).
class IDrives {
public:
    virtual ~IDrives() = default;
    // The folder behind a drive letter ('D' ... 'Z'), or an empty text when no drive has that letter.
    virtual QString mountPoint(QChar letter) const = 0;
};
