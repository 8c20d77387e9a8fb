#pragma once

#include <functional>
#include <optional>
#include <set>

#include <QMap>

#include "platform/filesystem.h"
#include "platform/qt/linuxfilesystem.h"

// The real disk under a test's temporary folders, with faults a test scripts: a free-space answer, a read
// that fails after so many bytes, a write that fails after so many (a full disk), folders that cannot be
// made, files that cannot be removed, listings that fail.
class FakeFileSystem final : public IFileSystem {
public:
    explicit FakeFileSystem(QString saverFolder = QString()) : m_real(std::move(saverFolder)) {}

    std::optional<qint64> freeKb = qint64(1) << 40; // nothing: the query fails
    QMap<QString, qint64> failReadAfter;            // file name -> bytes that read before the failure
    QMap<QString, qint64> failWriteAfter;           // file name -> bytes that write before the failure
    std::set<QString> cannotRemove;                 // file names
    bool makeFolderFails = false;
    bool listFails = false;
    std::function<void(const QString& path)> onOpen;
    QString askedFreeFor;
    int opens = 0;

    std::optional<qint64> freeKilobytes(const QString& path) const override
    {
        const_cast<FakeFileSystem*>(this)->askedFreeFor = path;
        return freeKb;
    }
    std::unique_ptr<IOpenFile> open(const QString& path, Mode mode, QString* error) override
    {
        ++opens;
        if (onOpen)
            onOpen(path);
        auto file = m_real.open(path, mode, error);
        const QString name = path.section(QLatin1Char('/'), -1);
        const auto& faults = mode == Mode::Read ? failReadAfter : failWriteAfter;
        if (!file || !faults.contains(name))
            return file;
        return std::make_unique<Faulty>(std::move(file), faults.value(name), mode == Mode::Read);
    }
    bool remove(const QString& path) override
    {
        if (cannotRemove.count(path.section(QLatin1Char('/'), -1)))
            return false;
        return m_real.remove(path);
    }
    FolderResult makeFolder(const QString& path) override
    {
        return makeFolderFails ? FolderResult::Failed : m_real.makeFolder(path);
    }
    std::optional<QStringList> list(const QString& folder, const QString& pattern) const override
    {
        if (listFails)
            return std::nullopt;
        return m_real.list(folder, pattern);
    }
    QString saverFolder() const override { return m_real.saverFolder(); }

private:
    class Faulty final : public IOpenFile {
    public:
        Faulty(std::unique_ptr<IOpenFile> inner, qint64 limit, bool reading)
            : m_inner(std::move(inner)), m_left(limit), m_reading(reading)
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
        QString errorString() const override
        {
            return m_reading ? QStringLiteral("Device I/O error") : QStringLiteral("Disk full");
        }
        bool isExecutable() const override { return m_inner->isExecutable(); }
        void markExecutable() override { m_inner->markExecutable(); }

    private:
        std::unique_ptr<IOpenFile> m_inner;
        qint64 m_left;
        bool m_reading;
    };

    LinuxFileSystem m_real;
};
