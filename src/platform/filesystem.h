#pragma once

#include <memory>
#include <optional>

#include <QString>
#include <QStringList>

// Why a file operation failed, as far as the caller has to act on it: the three kinds that every further
// file of the same folder would meet too, so a copy stops at the first.
enum class FileFailure {
    None,
    Other,    // this file only (a read error, a vanished source...)
    NoSpace,  // the file system or the user's quota is full
    ReadOnly, // the file system is mounted read-only
    Denied,   // the folder or file may not be written
};

// A failure: the system's description and its kind.
struct FileError {
    QString text;
    FileFailure kind = FileFailure::None;
    // The failure will repeat for every further file written to the same folder.
    bool repeats() const
    {
        return kind == FileFailure::NoSpace || kind == FileFailure::ReadOnly || kind == FileFailure::Denied;
    }
};

// One open file of IFileSystem: read from a source, or write a target that only appears under its name
// when commit() succeeds (a failed or abandoned write leaves no part of it behind).
class IOpenFile {
public:
    virtual ~IOpenFile() = default;
    virtual qint64 size() const = 0;
    // Bytes read (0 at the end), or -1 on failure.
    virtual qint64 read(char* data, qint64 maxSize) = 0;
    // False on failure (a full disk included).
    virtual bool write(const char* data, qint64 size) = 0;
    // Writing: puts the whole file in place of the target. False when that failed; nothing was replaced.
    virtual bool commit() = 0;
    // The last failure.
    virtual FileError error() const = 0;
    QString errorString() const { return error().text; }
    // Reading: the file is a program. Writing: make the committed file a program too.
    virtual bool isExecutable() const { return false; }
    virtual void markExecutable() {}
    // Writing: moves up to size bytes from source's current position into this file without passing them
    // through the program, where both files allow it. The bytes moved (fewer when the source ended early),
    // 0 when this pair of files cannot do it (the caller reads and writes instead), or -1 on failure.
    virtual qint64 copyFrom(IOpenFile& source, qint64 size)
    {
        (void)source;
        (void)size;
        return 0;
    }
    // The system's descriptor of the open file, or -1 when it has none.
    virtual int descriptor() const { return -1; }
};

// The files the program copies, lists and removes on the hard disk, by real path.
//
// A write never follows a link planted in the target folder and never leaves a partial file under the
// target's name: it goes to a new file with a unique name created in the target's folder, is written whole,
// and is renamed over the target. A target that is a link is replaced where the link leads (the link stays);
// a target that exists keeps its permission bits and owner.
class IFileSystem {
public:
    enum class Mode {
        Read,
        Write,      // the file is on the disk when commit() returns
        BatchWrite, // the caller calls syncFolder() once after the last file of a batch
    };
    enum class FolderResult { Created, Exists, Failed };

    virtual ~IFileSystem() = default;
    // Free kilobytes (1024 bytes) of the file system that holds path, or of its nearest existing parent.
    // Nothing when the system cannot tell.
    virtual std::optional<qint64> freeKilobytes(const QString& path) const = 0;
    // Nothing when the file cannot be opened; error then holds the reason.
    virtual std::unique_ptr<IOpenFile> open(const QString& path, Mode mode, FileError* error) = 0;
    // Deletes a file (a link itself, never where it leads), or a folder that is empty. False, with the
    // reason, when it is still there afterwards; a file that is not there counts as deleted.
    virtual bool remove(const QString& path, QString* error) = 0;
    virtual FolderResult makeFolder(const QString& path, QString* error) = 0;
    // Names of the files in folder matching a "*"/"?" pattern (case-insensitive), in listing order. Nothing,
    // with the reason, when the folder cannot be read.
    virtual std::optional<QStringList> list(const QString& folder, const QString& pattern,
                                            QString* error) const = 0;
    // Removes the temporary files that writes into folder left behind when they were interrupted. Returns
    // how many were removed.
    virtual int removeLeftovers(const QString& folder) = 0;
    // Puts everything written to the file system that holds folder on the disk (after a batch of writes).
    virtual bool syncFolder(const QString& folder, FileError* error) = 0;
    // The folder the screen saver and its settings live in (created when missing).
    virtual QString saverFolder() const = 0;
};
