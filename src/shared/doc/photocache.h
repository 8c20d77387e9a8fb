#pragma once

#include <list>
#include <mutex>

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QThreadPool>

// Decodes photos at the size they are shown (the JPEG decoder scales while decoding) and keeps a few of
// them; neighbours are decoded ahead on worker threads, so a step to one of them shows at once.
class PhotoCache {
public:
    explicit PhotoCache(int capacity = 6, int workers = 2);
    ~PhotoCache();
    PhotoCache(const PhotoCache&) = delete;
    PhotoCache& operator=(const PhotoCache&) = delete;

    // The size photos are shown at; an empty size decodes at full size.
    void setTargetSize(QSize size);
    QSize targetSize() const;

    // The photo of a real file at the target size: from the cache, or decoded now (also when a background
    // decode of it has not finished). A null image when the file cannot be read as a picture.
    QImage image(const QString& file);
    // Starts decoding these files (real paths) in the background, unless held or under way already.
    void preload(const QStringList& files);

    void clear();
    // Waits until every background decode has finished (for measurements and tests).
    void waitForPreloads();
    int heldCount() const;
    int capacity() const { return m_capacity; }

    static QImage decode(const QString& file, QSize target);

private:
    struct Entry {
        QString file;
        QSize size;
        QImage image;
        bool ready = false;
    };
    std::list<Entry>::iterator find(const QString& file, QSize size);
    void trim();

    const int m_capacity;
    mutable std::mutex m_mutex;
    std::list<Entry> m_entries; // most recently used first
    QSize m_target;
    QThreadPool m_pool;
};
