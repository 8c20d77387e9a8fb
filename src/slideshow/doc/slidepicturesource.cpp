#include "slideshow/doc/slidepicturesource.h"

namespace {
constexpr int kHeldStretched = 4; // on display, next, and a step back
constexpr int kHeldNatural = 8;   // an emblem slide has four pictures
} // namespace

SlidePictureSource::SlidePictureSource() : m_stretched(kHeldStretched, 1), m_natural(kHeldNatural, 1) {}

PhotoCache& SlidePictureSource::cacheFor(QSize stretchedTo)
{
    if (stretchedTo.isEmpty())
        return m_natural;
    if (m_stretched.targetSize() != stretchedTo) {
        m_stretched.clear(); // pictures of another size are of no more use
        m_stretched.setTargetSize(stretchedTo);
    }
    return m_stretched;
}

QImage SlidePictureSource::load(const QString& file, QSize stretchedTo)
{
    return cacheFor(stretchedTo).image(file);
}

void SlidePictureSource::prepare(const QStringList& files, QSize stretchedTo)
{
    cacheFor(stretchedTo).preload(files);
}

void SlidePictureSource::waitForPreloads()
{
    m_stretched.waitForPreloads();
    m_natural.waitForPreloads();
}

int SlidePictureSource::heldCount() const
{
    return m_stretched.heldCount() + m_natural.heldCount();
}

void SlidePictureSource::clear()
{
    m_stretched.clear();
    m_natural.clear();
}
