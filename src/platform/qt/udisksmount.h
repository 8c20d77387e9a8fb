#pragma once

#include <QDBusConnection>

#include "platform/qt/imagemountmethod.h"

// Mounts an image the way the desktop's disc-image mounter does: udisks2 sets up a read-only loop device
// (Manager.LoopSetup) and mounts its file system (Filesystem.Mount) where the desktop mounts discs. Talks to
// the bus it is given: the system bus in the program, a private bus in a test.
class UDisksMount final : public IImageMountMethod {
public:
    explicit UDisksMount(QDBusConnection bus, int probeTimeoutMs = 5000);

    QString name() const override { return QStringLiteral("udisks2"); }
    bool available(QString* why) const override;
    Result mount(const QString& image, const QString& workFolder) override;
    bool unmount(const QString& folder, const QString& handle) override;

    static QString service() { return QStringLiteral("org.freedesktop.UDisks2"); }

private:
    void deleteLoop(const QString& loopObject);

    QDBusConnection m_bus;
    int m_probeTimeoutMs;
};
