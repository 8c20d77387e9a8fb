#pragma once

#include <optional>
#include <vector>

#include <QHash>
#include <QString>
#include <QStringList>

class IDrives;

// Finds media files the way the program writes their paths: a root (a drive designator such as "E:" or a
// folder) followed by backslash-separated names, matched without regard to case. Folder listings are cached
// and re-read only when a folder changes, so repeated look-ups do not rescan the disc.
class MediaFiles {
public:
    explicit MediaFiles(const IDrives& drives);

    // The real path of an existing file or folder, or nothing. A name of "." or "..", or one holding a
    // "/", never resolves: a media path cannot leave its root.
    std::optional<QString> resolve(const QString& mediaPath) const;
    bool exists(const QString& mediaPath) const;
    // resolve(mediaFolder + name) for each name, with the folder looked up once: a copy of thousands of
    // files checks only each file itself. mediaFolder ends with its backslash.
    std::vector<std::optional<QString>> resolveAll(const QString& mediaFolder,
                                                   const QStringList& names) const;

    // Names of the files in a folder that match a pattern with "*" and "?" (case-insensitive), in the order
    // the file system lists them. The pattern is the last component: "E:\zephanes\*.jpg".
    QStringList list(const QString& mediaPattern) const;

    // A real path to write to: the existing part resolved, the rest appended as written. Empty when the
    // path is unsafe or its root is unknown.
    QString writablePath(const QString& mediaPath) const;

    // The real folder behind a root ("E:" or a folder); empty when there is none.
    QString rootFolder(const QString& root) const;

    // Forgets every cached folder listing and the real paths of the roots.
    void clearCache() const;

private:
    struct Folder {
        qint64 stamp = -1;                    // modification time when listed
        QStringList names;                    // in listing order
        QHash<QString, QString> byFoldedName; // case-folded name -> first real name
    };

    struct Split {
        QString root;
        QStringList parts;
        bool valid = false;
    };
    static Split split(const QString& mediaPath);
    const Folder* folder(const QString& realDir) const;
    std::optional<QString> resolveParts(const QString& rootDir, const QStringList& parts) const;
    bool staysInside(const QString& rootDir, const QString& path) const;

    const IDrives& m_drives;
    mutable QHash<QString, Folder> m_folders;
    mutable QHash<QString, QString> m_realRoots; // root folder -> its real path with a trailing "/"
};

// Case-insensitive match of "*" and "?" patterns against a file name.
bool wildcardMatch(const QString& pattern, const QString& name);
