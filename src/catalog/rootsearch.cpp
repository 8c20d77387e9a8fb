#include "catalog/rootsearch.h"

#include "catalog/errorcodes.h"
#include "catalog/mediafiles.h"
#include "catalog/mediaopener.h"
#include "catalog/mediaroots.h"

RootSearch::RootSearch(MediaRoots& roots, const MediaFiles& files, ErrorReporter& reporter)
    : m_roots(roots), m_files(files), m_reporter(reporter)
{
}

bool RootSearch::holdsPhotos(const QString& root) const
{
    return !m_files.list(root + QStringLiteral("\\zephanes\\*.jpg")).isEmpty();
}

void RootSearch::probeProgramCopy()
{
    m_roots.photoRoot.clear();
    // A photo copy on the hard disk lives where the program keeps its own copies.
    if (holdsPhotos(m_roots.dataFolder()))
        m_roots.photoRoot = m_roots.dataFolder();
}

void RootSearch::useMediaRoot(const QString& root)
{
    m_roots.mediaRoot = root;
    if (m_roots.photoRoot.isEmpty())
        m_roots.photoRoot = m_roots.mediaRoot;
}

bool RootSearch::run(const QString& commandLine)
{
    m_requestFailure.clear();
    if (isSwitch(commandLine)) {
        m_roots.mediaRoot = m_roots.programFolder;
        m_roots.photoRoot = m_roots.programFolder;
        return true;
    }
    if (!m_requested.isEmpty() && m_opener) {
        m_reporter.state().code = errc::kNoMediaDisc;
        const MediaOpener::Opened opened = m_opener->open(m_requested);
        if (!opened.ok()) {
            m_requestFailure = opened.error;
            return false;
        }
        probeProgramCopy();
        useMediaRoot(opened.root);
        m_opener->remember(m_requested);
        return true;
    }
    for (;;) {
        m_reporter.state().code = errc::kNoMediaDisc;
        probeProgramCopy();
        for (const char* letter = kDriveOrder; *letter; ++letter) {
            const QString root = QString(QLatin1Char(*letter)) + QLatin1Char(':');
            if (holdsPhotos(root)) {
                useMediaRoot(root);
                return true;
            }
        }
        if (m_opener) {
            if (const std::optional<QString> root = m_opener->openRemembered()) {
                useMediaRoot(*root);
                return true;
            }
        }
        if (m_beforeReport)
            m_beforeReport();
        if (m_reporter.report() != ErrorReporter::Outcome::Retry)
            return false;
    }
}
