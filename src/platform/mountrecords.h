#pragma once

#include <QList>
#include <QString>

// Which disc images a run of the program has mounted, kept as one small file per mount in the runtime
// folder, so that the next start finds a mount left by a run that died and reuses or releases it.
struct MountRecord {
    QString image;  // the image file, canonical path
    QString folder; // where it is mounted
    QString method; // how it was mounted ("udisks2", "fuseiso"): who must unmount it
    QString handle; // what that method needs besides the folder (the udisks2 loop device object)
    qint64 pid = 0; // the run that owns the mount
    QString file;   // the record's own file; set by MountRecords
};

class MountRecords {
public:
    explicit MountRecords(QString folder) : m_folder(std::move(folder)) {}

    QString folder() const { return m_folder; }
    // Every readable record; unreadable or foreign files are left alone.
    QList<MountRecord> all() const;
    // Writes the record (a new file, or its own file again); false when the folder cannot be written.
    bool save(MountRecord& record) const;
    void remove(const MountRecord& record) const;

    static QString format(const MountRecord& record);
    // False when the text is not a complete record.
    static bool parse(const QString& text, MountRecord& record);

private:
    QString m_folder;
};
