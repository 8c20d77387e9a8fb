#pragma once

#include <functional>

#include <QString>

#include "platform/filesystem.h"

// What a block copy drives while it runs: the per-file bar, the overall bar, the file line, and the user
// interface, served after every block. Empty members are skipped.
struct CopyProgress {
    std::function<void(const QString& source)> fileShown; // Text1
    std::function<void(double percent)> fileBar;          // ProgressGuage: percent of the current file
    std::function<void(double percent)> overallBar;       // ProgressGuage2: percent of the whole copy
    std::function<void()> serveEvents;
};

// The bytes a whole copy still expects, against its fixed total.
struct CopyBudget {
    qint64 total = 0;
    qint64 bytesLeft = 0;
    double percent() const; // 100 - left / total * 100, kept within 0..100
};

// Copies one file in fixed blocks. The target only takes the copy's name once every byte is written, so a
// copy that fails leaves no truncated file that looks complete.
class BlockCopier {
public:
    static constexpr qint64 kPhotoMovieBlock = 25000; // CopyFileBlocks
    static constexpr qint64 kSelectionBlock = 1000;   // CopyFileWithProgress

    explicit BlockCopier(IFileSystem& fileSystem) : m_fs(fileSystem) {}

    // Real paths. budget: the overall bar's count (nullptr: no overall bar, no file line). Returns no
    // failure (kind None) on success. A failure to read the source is of kind Other; a failure to write the
    // target keeps the kind the system gave it, so the caller can tell one that will repeat. mode: Write
    // puts each file on the disk before it returns; BatchWrite leaves that to one sync after the batch.
    FileError copy(const QString& source, const QString& target, qint64 blockSize, CopyBudget* budget,
                   const CopyProgress& progress, IFileSystem::Mode mode = IFileSystem::Mode::Write);

private:
    IFileSystem& m_fs;
};
