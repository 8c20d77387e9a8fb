#pragma once

#include <QByteArray>

#include "platform/filesystem.h"

// The one way the program writes a file. The bytes go to a new file with a unique name, created exclusively
// in the target's folder without following a link (O_CREAT | O_EXCL | O_NOFOLLOW), and that file is renamed
// over the target once it is whole. A target that is a link is replaced where the link leads, so the link
// stays; an existing target keeps its permission bits and owner. A write that fails or is abandoned removes
// its temporary file. With durable set the file and the rename are flushed to the disk before commit()
// returns; otherwise the caller syncs the file system once after a batch (IFileSystem::syncFolder).
class SafeFileWrite final : public IOpenFile {
public:
    SafeFileWrite(const QString& target, bool durable);
    ~SafeFileWrite() override;
    SafeFileWrite(const SafeFileWrite&) = delete;
    SafeFileWrite& operator=(const SafeFileWrite&) = delete;

    // False when the temporary file could not be made; error() tells why.
    bool isOpen() const { return m_fd >= 0; }

    qint64 size() const override { return m_written; }
    qint64 read(char*, qint64) override { return -1; }
    bool write(const char* data, qint64 size) override;
    bool commit() override;
    FileError error() const override { return m_error; }
    void markExecutable() override { m_executable = true; }
    qint64 copyFrom(IOpenFile& source, qint64 size) override;
    int descriptor() const override { return m_fd; }

    // The real file a write to target replaces: target itself, or where its chain of links ends.
    static QByteArray destinationOf(const QByteArray& target, int* errnum);
    // A name that a write in progress uses, or that an interrupted one left (also the fixed ".NAME.part"
    // names of earlier versions).
    static bool isTemporaryName(const QString& name);
    // The kind and the system's description of an errno value.
    static FileError errorOf(int errnum);

private:
    bool fail(int errnum);
    bool stillOurs() const;

    int m_dirFd = -1;
    int m_fd = -1;
    QByteArray m_name;     // the destination's name in its folder
    QByteArray m_tempName; // the temporary file's name in the same folder
    qint64 m_written = 0;
    bool m_durable = true;
    bool m_executable = false;
    bool m_committed = false;
    FileError m_error;
};
