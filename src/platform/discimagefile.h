#pragma once

#include <QString>

// What a path the user names turns out to be: a folder, a disc image (a file holding an ISO 9660 or UDF
// volume), or neither. Only the volume descriptors are read; the name's extension does not matter.
namespace discimage {

enum class Kind {
    Missing,    // nothing at that path
    Folder,     // a folder (the media tree, perhaps)
    Image,      // a file with an ISO 9660 or UDF volume recognition sequence
    Empty,      // a file of no bytes
    NotAnImage, // a file without a volume descriptor where a disc has one
    Unreadable, // a file that cannot be opened
};

Kind inspect(const QString& path);

// The 2048-byte sector 16 onwards of a disc holds the volume descriptors: "CD001" (ISO 9660) or the UDF
// recognition sequence "BEA01", "NSR02"/"NSR03" at byte 1 of a sector.
bool hasVolumeDescriptor(const QByteArray& sectorsFrom16);

} // namespace discimage
