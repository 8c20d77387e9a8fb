#include "output/blockcopier.h"

#include <algorithm>
#include <vector>

double CopyBudget::percent() const
{
    if (total <= 0)
        return 100;
    return std::clamp(100.0 - double(bytesLeft) / double(total) * 100.0, 0.0, 100.0);
}

FileError BlockCopier::copy(const QString& source, const QString& target, qint64 blockSize,
                            CopyBudget* budget, const CopyProgress& progress, IFileSystem::Mode mode)
{
    FileError error;
    const auto in = m_fs.open(source, IFileSystem::Mode::Read, &error);
    if (!in)
        return {error.text.isEmpty() ? QStringLiteral("File not found") : error.text, FileFailure::Other};
    auto out = m_fs.open(target, mode == IFileSystem::Mode::Read ? IFileSystem::Mode::Write : mode, &error);
    if (!out) {
        if (error.text.isEmpty())
            error.text = QStringLiteral("Path not found");
        if (error.kind == FileFailure::None)
            error.kind = FileFailure::Other;
        return error;
    }

    if (in->isExecutable())
        out->markExecutable();
    const qint64 size = in->size();
    blockSize = std::max<qint64>(blockSize, 1);
    std::vector<char> buffer;
    auto readFully = [&](qint64 want) -> bool {
        buffer.resize(static_cast<size_t>(blockSize));
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
        return FileError{e.isEmpty() || e == QStringLiteral("Unknown error")
                             ? QStringLiteral("Input past end of file")
                             : e,
                         FileFailure::Other};
    };
    // The kernel copies between the two files where it can; otherwise each block passes through the buffer.
    bool inKernel = true;
    auto moveBlock = [&](qint64 want) -> FileError {
        if (inKernel) {
            const qint64 n = out->copyFrom(*in, want);
            if (n < 0)
                return out->error();
            if (n == want)
                return {};
            if (n > 0)
                return readFailed();
            inKernel = false;
        }
        if (!readFully(want))
            return readFailed();
        if (!out->write(buffer.data(), want))
            return out->error();
        return {};
    };

    const qint64 blocks = size / blockSize;
    for (qint64 k = 1; k <= blocks; ++k) {
        if (const FileError e = moveBlock(blockSize); e.kind != FileFailure::None)
            return e;
        if (budget && progress.fileShown)
            progress.fileShown(source);
        if (progress.fileBar)
            progress.fileBar(double(blockSize) * double(k) / double(size) * 100.0);
        if (budget) {
            budget->bytesLeft -= blockSize;
            if (progress.overallBar)
                progress.overallBar(budget->percent());
        }
        if (progress.serveEvents)
            progress.serveEvents();
    }
    const qint64 rest = size - blocks * blockSize;
    if (rest > 0) {
        if (const FileError e = moveBlock(rest); e.kind != FileFailure::None)
            return e;
    }
    // A file that came out shorter or longer than the source said is no copy, whatever the steps above did.
    // (A source that grew while it was read is copied only as far as its size said.)
    if (out->size() != size)
        return {QStringLiteral("The copy of %1 came out %2 bytes long instead of %3")
                    .arg(source)
                    .arg(out->size())
                    .arg(size),
                FileFailure::Other};
    if (!out->commit())
        return out->error();
    if (progress.fileBar)
        progress.fileBar(100);
    return {};
}
