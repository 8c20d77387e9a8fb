#pragma once

#include <QByteArray>

// The bytes of a file that looks like a disc image to the volume-descriptor check: 16 empty sectors, then
// an ISO 9660 primary volume descriptor header. Enough for logic tests; real images come from genisoimage.
inline QByteArray fakeIsoBytes()
{
    QByteArray bytes(16 * 2048, '\0');
    QByteArray descriptor(2048, '\0');
    descriptor[0] = 1;
    descriptor.replace(1, 5, "CD001");
    return bytes + descriptor;
}
