#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include "shared/doc/photocache.h"

// Decodes slide pictures at the size they are shown: a stretched picture at its control's size, any other
// at its own size. The next slides are decoded ahead on worker threads, so a tick only swaps a ready
// picture. Holds a few pictures at most, however long the show plays.
class SlidePictureSource {
public:
    SlidePictureSource();

    // stretchedTo: the control's size in pixels for a stretched picture; an empty size for its own size.
    QImage load(const QString& file, QSize stretchedTo);
    void prepare(const QStringList& files, QSize stretchedTo);
    // Waits for the decodes under way (measurements and tests).
    void waitForPreloads();
    int heldCount() const;
    // Forgets every decoded picture (measurements of a cold start).
    void clear();

private:
    PhotoCache& cacheFor(QSize stretchedTo);

    PhotoCache m_stretched;
    PhotoCache m_natural;
};
