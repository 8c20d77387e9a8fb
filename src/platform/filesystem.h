#pragma once

#include <memory>
#include <optional>

#include <QString>
#include <QStringList>

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
    // The system's description of the last failure.
    virtual QString errorString() const = 0;
    // Reading: the file is a program. Writing: make the committed file a program too.
    virtual bool isExecutable() const { return false; }
    virtual void markExecutable() {}
};

// The files the program copies, lists and removes on the hard disk, by real path.
class IFileSystem {
public:
    enum class Mode { Read, Write };
    enum class FolderResult { Created, Exists, Failed };

    virtual ~IFileSystem() = default;
    // Free kilobytes (1024 bytes) of the file system that holds path, or of its nearest existing parent.
    // Nothing when the system cannot tell.
    virtual std::optional<qint64> freeKilobytes(const QString& path) const = 0;
    // Nothing when the file cannot be opened; error then holds the system's description.
    virtual std::unique_ptr<IOpenFile> open(const QString& path, Mode mode, QString* error) = 0;
    // Deletes a file, or a folder that is empty. False when it is still there afterwards.
    virtual bool remove(const QString& path) = 0;
    virtual FolderResult makeFolder(const QString& path) = 0;
    // Names of the files in folder matching a "*"/"?" pattern (case-insensitive), in listing order.
    // Nothing when the folder cannot be read.
    virtual std::optional<QStringList> list(const QString& folder, const QString& pattern) const = 0;
    // The folder the screen saver and its settings live in (created when missing).
    virtual QString saverFolder() const = 0;
};
