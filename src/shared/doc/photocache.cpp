#include "shared/doc/photocache.h"

#include <QImageReader>
#include <QThread>

PhotoCache::PhotoCache(int capacity, int workers) : m_capacity(std::max(capacity, 1))
{
    m_pool.setMaxThreadCount(std::max(workers, 1));
    // Decoding ahead only uses time the program leaves idle, so it never slows the photo being shown.
    m_pool.setThreadPriority(QThread::IdlePriority);
}

PhotoCache::~PhotoCache()
{
    m_pool.clear();
    m_pool.waitForDone();
}

void PhotoCache::setTargetSize(QSize size)
{
    std::lock_guard lock(m_mutex);
    m_target = size;
}

QSize PhotoCache::targetSize() const
{
    std::lock_guard lock(m_mutex);
    return m_target;
}

QImage PhotoCache::decode(const QString& file, QSize target)
{
    QImageReader reader(file);
    reader.setAutoTransform(false);
    const QSize full = reader.size();
    const bool toTarget = target.isValid() && !target.isEmpty();
    if (toTarget && full.isValid()) {
        // Let the JPEG decoder scale by 1/2, 1/4 or 1/8 while it decodes (its DCT scaling, nearly free) as
        // far as the result stays at least the shown size; asking for exactly that size keeps the reader from
        // resampling on its own.
        int denominator = 1;
        while (denominator < 8 && full.width() / (denominator * 2) >= target.width() &&
               full.height() / (denominator * 2) >= target.height())
            denominator *= 2;
        if (denominator > 1)
            reader.setScaledSize(QSize(full.width() / denominator, full.height() / denominator));
    }
    QImage image = reader.read();
    if (image.isNull())
        return image;
    if (toTarget && image.size() != target) // the photo control stretches: no aspect to keep
        image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (image.format() != QImage::Format_RGB32 && !image.hasAlphaChannel())
        image.convertTo(QImage::Format_RGB32); // paints without another conversion
    return image;
}

std::list<PhotoCache::Entry>::iterator PhotoCache::find(const QString& file, QSize size)
{
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it)
        if (it->file == file && it->size == size)
            return it;
    return m_entries.end();
}

void PhotoCache::trim()
{
    // Drop the least recently used; a decode still under way for a dropped entry finds no home and is lost.
    while (int(m_entries.size()) > m_capacity)
        m_entries.pop_back();
}

QImage PhotoCache::image(const QString& file)
{
    std::unique_lock lock(m_mutex);
    const QSize size = m_target;
    auto it = find(file, size);
    if (it != m_entries.end()) {
        m_entries.splice(m_entries.begin(), m_entries, it);
        if (it->ready)
            return it->image;
        // Still being decoded ahead on an idle-priority thread, which a busy machine may starve: decode it
        // here rather than wait; the late background result is dropped.
    }
    lock.unlock();
    QImage image = decode(file, size);
    lock.lock();
    it = find(file, size);
    if (it == m_entries.end())
        it = m_entries.insert(m_entries.begin(), Entry{file, size, QImage(), false});
    else
        m_entries.splice(m_entries.begin(), m_entries, it);
    it->image = image;
    it->ready = true;
    trim();
    return image;
}

void PhotoCache::preload(const QStringList& files)
{
    std::lock_guard lock(m_mutex);
    const QSize size = m_target;
    for (const QString& file : files) {
        if (file.isEmpty() || find(file, size) != m_entries.end())
            continue;
        // Behind the photo on display, ahead of older photos.
        auto pos = m_entries.empty() ? m_entries.end() : std::next(m_entries.begin());
        m_entries.insert(pos, Entry{file, size, QImage(), false});
        trim();
        m_pool.start([this, file, size] {
            const QImage image = decode(file, size);
            std::lock_guard inner(m_mutex);
            auto it = find(file, size);
            if (it != m_entries.end() && !it->ready) {
                it->image = image;
                it->ready = true;
            }
        });
    }
}

void PhotoCache::clear()
{
    m_pool.clear(); // queued decodes that have not started
    std::lock_guard lock(m_mutex);
    m_entries.clear();
}

void PhotoCache::waitForPreloads()
{
    m_pool.waitForDone();
}

int PhotoCache::heldCount() const
{
    std::lock_guard lock(m_mutex);
    return int(m_entries.size());
}
