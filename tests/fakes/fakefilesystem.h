#pragma once

#include <functional>
#include <optional>
#include <set>

#include <QMap>

#include "platform/filesystem.h"
#include "platform/qt/linuxfilesystem.h"

// The real disk under a test's temporary folders, with faults a test scripts: a free-space answer, a read
// that fails after so many bytes, a write that fails after so many (a full disk unless writeFailure says
// otherwise), folders that cannot be made, files that cannot be removed, listings that fail, a sync that
// fails.
class FakeFileSystem final : public IFileSystem {
public:
    explicit FakeFileSystem(QString saverFolder = QString()) : m_real(std::move(saverFolder)) {}

    std::optional<qint64> freeKb = qint64(1) << 40; // nothing: the query fails
    QMap<QString, qint64> failReadAfter;            // file name -> bytes that read before the failure
    QMap<QString, qint64> failWriteAfter;           // file name -> bytes that write before the failure
    FileError writeFailure{QStringLiteral("No space left on device"), FileFailure::NoSpace};
    std::set<QString> cannotRemove; // file names
    bool makeFolderFails = false;
    bool listFails = false;
    bool syncFails = false;
    std::function<void(const QString& path)> onOpen;
    QString askedFreeFor;
    QStringList synced;       // folders synced
    QStringList leftoversIn;  // folders cleaned of leftovers
    std::vector<Mode> writes; // the mode of every write opened
    int opens = 0;

    std::optional<qint64> freeKilobytes(const QString& path) const override
    {
        const_cast<FakeFileSystem*>(this)->askedFreeFor = path;
        return freeKb;
    }
    std::unique_ptr<IOpenFile> open(const QString& path, Mode mode, FileError* error) override
    {
        ++opens;
        if (mode != Mode::Read)
            writes.push_back(mode);
        if (onOpen)
            onOpen(path);
        auto file = m_real.open(path, mode, error);
        const QString name = path.section(QLatin1Char('/'), -1);
        const auto& faults = mode == Mode::Read ? failReadAfter : failWriteAfter;
        if (!file || !faults.contains(name))
            return file;
        return std::make_unique<Faulty>(std::move(file), faults.value(name), mode == Mode::Read,
                                        writeFailure);
    }
    bool remove(const QString& path, QString* error) override
    {
        if (cannotRemove.count(path.section(QLatin1Char('/'), -1))) {
            if (error)
                *error = QStringLiteral("Operation not permitted");
            return false;
        }
        return m_real.remove(path, error);
    }
    FolderResult makeFolder(const QString& path, QString* error) override
    {
        if (makeFolderFails) {
            if (error)
                *error = QStringLiteral("Permission denied");
            return FolderResult::Failed;
        }
        return m_real.makeFolder(path, error);
    }
    std::optional<QStringList> list(const QString& folder, const QString& pattern,
                                    QString* error) const override
    {
        if (listFails) {
            if (error)
                *error = QStringLiteral("Permission denied");
            return std::nullopt;
        }
        return m_real.list(folder, pattern, error);
    }
    int removeLeftovers(const QString& folder) override
    {
        leftoversIn << folder;
        return m_real.removeLeftovers(folder);
    }
    bool syncFolder(const QString& folder, FileError* error) override
    {
        synced << folder;
        if (syncFails) {
            if (error)
                *error = {QStringLiteral("Input/output error"), FileFailure::Other};
            return false;
        }
        return m_real.syncFolder(folder, error);
    }
    QString saverFolder() const override { return m_real.saverFolder(); }

private:
    class Faulty final : public IOpenFile {
    public:
        Faulty(std::unique_ptr<IOpenFile> inner, qint64 limit, bool reading, FileError writeFailure)
            : m_inner(std::move(inner)), m_left(limit), m_reading(reading),
              m_writeFailure(std::move(writeFailure))
        {
        }
        qint64 size() const override { return m_inner->size(); }
        qint64 read(char* data, qint64 maxSize) override
        {
            if (m_reading && m_left <= 0)
                return -1;
            const qint64 n = m_inner->read(data, m_reading ? std::min(maxSize, m_left) : maxSize);
            if (m_reading && n > 0)
                m_left -= n;
            return n;
        }
        bool write(const char* data, qint64 size) override
        {
            if (!m_reading && size > m_left) {
                m_inner->write(data, m_left);
                m_left = 0;
                return false;
            }
            m_left -= m_reading ? 0 : size;
            return m_inner->write(data, size);
        }
        bool commit() override { return m_inner->commit(); }
        FileError error() const override
        {
            return m_reading ? FileError{QStringLiteral("Input/output error"), FileFailure::Other}
                             : m_writeFailure;
        }
        bool isExecutable() const override { return m_inner->isExecutable(); }
        void markExecutable() override { m_inner->markExecutable(); }

    private:
        std::unique_ptr<IOpenFile> m_inner;
        qint64 m_left;
        bool m_reading;
        FileError m_writeFailure;
    };

    LinuxFileSystem m_real;
};
