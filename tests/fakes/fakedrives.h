#pragma once

#include <QMap>

#include "platform/drives.h"

// A drive map a test sets up by hand: letter -> folder.
class FakeDrives final : public IDrives {
public:
    QString mountPoint(QChar letter) const override { return letters.value(letter.toUpper()); }
    QMap<QChar, QString> letters;
};
