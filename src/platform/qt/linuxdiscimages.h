#pragma once

#include <memory>
#include <vector>

#include <QList>
#include <QString>

#include "platform/discimages.h"
#include "platform/mountrecords.h"
#include "platform/qt/imagemountmethod.h"

// Disc images mounted by the first method that works (the desktop's udisks2 service, then fuseiso), each
// noted in the runtime folder while mounted. Mounts a run that died left behind are found there: the one the
// user asks for again is taken over, the rest are released (leftovers of a run that is still alive are never
// touched).
class LinuxDiscImages final : public IDiscImages {
public:
    // runtimeFolder: this program's folder in the user's runtime folder (records and fuse mount folders).
    LinuxDiscImages(QString runtimeFolder, std::vector<std::unique_ptr<IImageMountMethod>> methods);
    ~LinuxDiscImages() override; // releases what it mounted

    // The real methods in their order, and the runtime folder of the user
    // ($XDG_RUNTIME_DIR/zephane-folarium).
    static std::unique_ptr<LinuxDiscImages> forDesktop();
    static QString defaultRuntimeFolder();

    Mounted mount(const QString& imagePath) override;
    void release(const QString& imagePath) override;
    void releaseAll() override;
    // Releases the mounts of runs that have died and were not taken over. Returns how many were released.
    int releaseLeftovers();

    QString recordsFolder() const { return m_records.folder(); }

    // Whether a process is still running.
    static bool processAlive(qint64 pid);

private:
    IImageMountMethod* method(const QString& name) const;
    bool release(const MountRecord& record);
    bool stillMounted(const MountRecord& record) const;

    QString m_runtimeFolder;
    MountRecords m_records;
    std::vector<std::unique_ptr<IImageMountMethod>> m_methods;
    QList<MountRecord> m_mine;
};
