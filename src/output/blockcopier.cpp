#include "output/blockcopier.h"

#include <algorithm>
#include <vector>

#include "platform/filesystem.h"

double CopyBudget::percent() const
{
    if (total <= 0)
        return 100;
    return std::clamp(100.0 - double(bytesLeft) / double(total) * 100.0, 0.0, 100.0);
}

QString BlockCopier::copy(const QString& source, const QString& target, qint64 blockSize, CopyBudget* budget,
                          const CopyProgress& progress)
{
    QString error;
    const auto in = m_fs.open(source, IFileSystem::Mode::Read, &error);
    if (!in)
        return error.isEmpty() ? QStringLiteral("File not found") : error;
    auto out = m_fs.open(target, IFileSystem::Mode::Write, &error);
    if (!out)
        return error.isEmpty() ? QStringLiteral("Path not found") : error;

    if (in->isExecutable())
        out->markExecutable();
    const qint64 size = in->size();
    std::vector<char> buffer(size_t(std::max<qint64>(blockSize, 1)));
    auto readFully = [&](qint64 want) -> bool {
        qint64 got = 0;
        while (got < want) {
            const qint64 n = in->read(buffer.data() + got, want - got);
            if (n <= 0)
                return false;
            got += n;
        }
        return true;
    };
    auto readFailed = [&] {
        const QString e = in->errorString();
        return e.isEmpty() || e == QStringLiteral("Unknown error") ? QStringLiteral("Input past end of file")
                                                                   : e;
    };

    const qint64 blocks = size / blockSize;
    for (qint64 k = 1; k <= blocks; ++k) {
        if (!readFully(blockSize))
            return readFailed();
        if (budget && progress.fileShown)
            progress.fileShown(source);
        if (progress.fileBar)
            progress.fileBar(double(blockSize) * double(k) / double(size) * 100.0);
        if (budget) {
            budget->bytesLeft -= blockSize;
            if (progress.overallBar)
                progress.overallBar(budget->percent());
        }
        if (!out->write(buffer.data(), blockSize))
            return out->errorString();
        if (progress.serveEvents)
            progress.serveEvents();
    }
    const qint64 rest = size - blocks * blockSize;
    if (rest > 0) {
        if (!readFully(rest))
            return readFailed();
        if (!out->write(buffer.data(), rest))
            return out->errorString();
    }
    // A source that grew while it was read is copied only as far as its size said.
    if (!out->commit())
        return out->errorString();
    if (progress.fileBar)
        progress.fileBar(100);
    return QString();
}
