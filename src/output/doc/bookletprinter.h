#pragma once

#include <QString>

#include "output/bookletplan.h"

class IPrinter;
class MediaFiles;
struct MediaRoots;

// Prints a booklet plan as one job: cover pictures at their twip positions, documents through PrintRichText
// with one-inch margins. Stops at the first file that cannot be loaded; what was printed before it stays.
class BookletPrinter {
public:
    struct Result {
        bool ok = true;
        int stepsDone = 0;
        QString failedFile; // the media path that could not be loaded or printed
    };

    static inline const QString kJobName = QStringLiteral("Zephane Booklet");

    BookletPrinter(IPrinter& printer, const MediaFiles& files, const MediaRoots& roots)
        : m_printer(printer), m_files(files), m_roots(roots)
    {
    }

    Result print(const BookletPlan& plan);

private:
    IPrinter& m_printer;
    const MediaFiles& m_files;
    const MediaRoots& m_roots;
};
