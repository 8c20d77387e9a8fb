#pragma once

#include <QString>
#include <QStringList>

class IDesktop;
class IMessages;
class MediaFiles;
struct MediaRoots;

// "&Contents": opens the help file with the desktop's handler for it, from the program folder first and
// the media root second; when neither copy opens, says which file was looked for and where.
class HelpFile {
public:
    HelpFile(const MediaFiles& files, const MediaRoots& roots, IDesktop& desktop, IMessages& messages);

    // The folders looked in, in order, as the program writes them.
    QStringList places() const;
    static QString notOpenedText(const QString& fileName, const QStringList& places);
    // True when a copy was opened.
    bool open();

private:
    const MediaFiles& m_files;
    const MediaRoots& m_roots;
    IDesktop& m_desktop;
    IMessages& m_messages;
};
