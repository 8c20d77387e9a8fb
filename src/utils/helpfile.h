#pragma once

#include <memory>

#include <QString>
#include <QStringList>

class IDesktop;
class IMessages;
class MediaFiles;
struct MediaRoots;

// "&Contents": opens the help file with the desktop's handler for it, the program folder's copy first and
// the media root's second; when there is no copy or nothing takes it, says which file was looked for and
// where. The desktop is asked once, and the interface goes on while it answers.
class HelpFile {
public:
    HelpFile(const MediaFiles& files, const MediaRoots& roots, IDesktop& desktop, IMessages& messages);

    // The folders looked in, in order, as the program writes them; a folder is named once.
    QStringList places() const;
    static QString notOpenedText(const QString& fileName, const QStringList& places);
    // Finds the copy and asks the desktop to open it; the answer comes later. While one is awaited, a
    // second request does nothing.
    void open();
    bool isWaiting() const { return *m_waiting; }

private:
    void notOpened(const QStringList& shownPlaces);

    const MediaFiles& m_files;
    const MediaRoots& m_roots;
    IDesktop& m_desktop;
    IMessages& m_messages;
    // Shared with a pending answer, which finds it alone when this object is gone.
    std::shared_ptr<bool> m_waiting = std::make_shared<bool>(false);
};
