#pragma once

#include "platform/filesystem.h"

// The hard disk through Qt and POSIX: free space from the file system that holds a path, writes that go to
// a hidden temporary name beside the target and are renamed over it when whole.
class LinuxFileSystem final : public IFileSystem {
public:
    // saverFolder: where the screen saver lives; empty means $XDG_DATA_HOME/zephane-folarium
    // (~/.local/share/zephane-folarium when the variable is unset).
    explicit LinuxFileSystem(QString saverFolder = QString());

    std::optional<qint64> freeKilobytes(const QString& path) const override;
    std::unique_ptr<IOpenFile> open(const QString& path, Mode mode, QString* error) override;
    bool remove(const QString& path) override;
    FolderResult makeFolder(const QString& path) override;
    std::optional<QStringList> list(const QString& folder, const QString& pattern) const override;
    QString saverFolder() const override;

    // The folder the screen saver uses when none is given.
    static QString defaultSaverFolder();
    // The temporary name a write uses until it is committed.
    static QString partName(const QString& target);

private:
    QString m_saverFolder;
};
