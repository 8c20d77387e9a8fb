#pragma once

#include "platform/qt/imagemountmethod.h"

// Mounts an image with fuseiso, the user-space ISO 9660 file system (Joliet and Rock Ridge names), and
// unmounts it with fusermount. Needs /dev/fuse.
class FuseIsoMount final : public IImageMountMethod {
public:
    QString name() const override { return QStringLiteral("fuseiso"); }
    bool available(QString* why) const override;
    Result mount(const QString& image, const QString& workFolder) override;
    bool unmount(const QString& folder, const QString& handle) override;
};
