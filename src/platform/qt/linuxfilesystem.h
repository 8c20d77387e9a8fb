#pragma once

#include "platform/filesystem.h"

// The hard disk through Qt and POSIX: free space from the file system that holds a path, and every write
// through SafeFileWrite (a uniquely named temporary file in the target's folder, renamed over the target when
// whole).
class LinuxFileSystem final : public IFileSystem {
public:
    // saverFolder: where the screen saver lives; empty means $XDG_DATA_HOME/zephane-folarium
    // (~/.local/share/zephane-folarium when the variable is unset).
    explicit LinuxFileSystem(QString saverFolder = QString());

    std::optional<qint64> freeKilobytes(const QString& path) const override;
    std::unique_ptr<IOpenFile> open(const QString& path, Mode mode, FileError* error) override;
    bool remove(const QString& path, QString* error) override;
    FolderResult makeFolder(const QString& path, QString* error) override;
    std::optional<QStringList> list(const QString& folder, const QString& pattern,
                                    QString* error) const override;
    int removeLeftovers(const QString& folder) override;
    bool syncFolder(const QString& folder, FileError* error) override;
    QString saverFolder() const override;

    // The folder the screen saver uses when none is given.
    static QString defaultSaverFolder();

private:
    QString m_saverFolder;
};
