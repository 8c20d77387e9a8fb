#include "utils/helpfile.h"

#include "catalog/errorreporter.h"
#include "catalog/mediafiles.h"
#include "catalog/mediaroots.h"
#include "catalog/mediarules.h"
#include "platform/desktop.h"
#include "platform/messages.h"

HelpFile::HelpFile(const MediaFiles& files, const MediaRoots& roots, IDesktop& desktop, IMessages& messages)
    : m_files(files), m_roots(roots), m_desktop(desktop), m_messages(messages)
{
}

QStringList HelpFile::places() const
{
    QStringList out{m_roots.programFolder};
    if (!m_roots.mediaRoot.isEmpty() && m_roots.mediaRoot != m_roots.programFolder)
        out << m_roots.mediaRoot;
    return out;
}

QString HelpFile::notOpenedText(const QString& fileName, const QStringList& places)
{
    QString text = QStringLiteral("The help file \"") + fileName + QStringLiteral("\" could not be opened.") +
                   QStringLiteral("\r\n\r\nIt was looked for in:");
    for (const QString& p : places)
        text += QStringLiteral("\r\n    ") + p;
    return text;
}

void HelpFile::open()
{
    if (*m_waiting)
        return;
    const mediarules::MediaPath help = mediarules::helpFile();
    QStringList shownPlaces;
    std::optional<QString> found;
    for (const QString& root : places()) {
        const QString real = m_files.rootFolder(root);
        shownPlaces << (real.isEmpty() ? root : real);
        if (!found)
            found = m_files.resolve(help.in(root));
    }
    if (!found) {
        notOpened(shownPlaces);
        return;
    }
    *m_waiting = true;
    const std::weak_ptr<bool> alive = m_waiting;
    m_desktop.openWithHandler(*found, [this, alive, shownPlaces](bool opened) {
        const std::shared_ptr<bool> waiting = alive.lock();
        if (!waiting)
            return;
        *waiting = false;
        if (!opened)
            notOpened(shownPlaces);
    });
}

void HelpFile::notOpened(const QStringList& shownPlaces)
{
    MessageRequest r;
    r.title = errors::kTitle;
    r.text = notOpenedText(mediarules::helpFile().name, shownPlaces);
    r.icon = MessageIcon::Information;
    r.buttons = MessageButtons::Ok;
    m_messages.ask(r);
}
