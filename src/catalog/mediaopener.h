#pragma once

#include <optional>

#include <QString>

class IDesktop;
class IDiscImages;
class MediaFiles;

// Turns a path the user names, a folder holding the media tree or a disc image of the disc, into a media
// root, and keeps the last one that worked in the program's settings.
class MediaOpener {
public:
    struct Opened {
        QString root;  // the folder the media are read from (an image's mount folder)
        QString error; // why the path gives no media, naming what was looked for
        bool ok() const { return !root.isEmpty(); }
    };

    MediaOpener(IDiscImages& images, IDesktop& settings, const MediaFiles& files);

    Opened open(const QString& path) const;

    // The remembered path opened again, or nothing when none is kept or it no longer holds the media.
    std::optional<QString> openRemembered() const;
    QString remembered() const;
    void remember(const QString& path);

    // The key of the program's settings that keeps the path.
    static QString settingKey() { return QStringLiteral("Media/LastPath"); }
    // The folder that holds the photos, and the photos in it: how any media tree is recognised.
    static QString lookedFor();

private:
    bool holdsPhotos(const QString& root) const;

    IDiscImages& m_images;
    IDesktop& m_settings;
    const MediaFiles& m_files;
};
