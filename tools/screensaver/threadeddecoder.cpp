#include "threadeddecoder.h"

#include <QImageReader>

namespace {

// Photos larger than this are refused rather than decoded: a damaged header must not claim gigabytes.
constexpr qint64 kMaxPixels = 100'000'000;

} // namespace

ThreadedDecoder::ThreadedDecoder()
{
    m_pool.setMaxThreadCount(1);
}

ThreadedDecoder::~ThreadedDecoder()
{
    // Answers posted after this are dropped with the object's pending events.
    m_pool.clear();
    m_pool.waitForDone();
}

QImage ThreadedDecoder::decodeNow(const QString& file, const QSize& fitInto)
{
    QImageReader reader(file);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (!full.isValid() || qint64(full.width()) * full.height() > kMaxPixels || fitInto.isEmpty())
        return {};
    const QSize fitted = full.scaled(fitInto, Qt::KeepAspectRatio);
    // The JPEG reader can decode at 1/2, 1/4 or 1/8 scale directly; ask for at least twice the target
    // so the final smooth scaling still has detail to work with.
    if (full.width() > 2 * fitted.width())
        reader.setScaledSize(full.scaled(fitted * 2, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull())
        return {};
    if (image.size() != fitted)
        image = image.scaled(fitted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image.convertToFormat(QImage::Format_RGB32);
}

void ThreadedDecoder::decode(int ticket, const QString& file, const QSize& fitInto, Done done)
{
    // The destructor waits for the worker, so the object outlives every job that posts to it.
    m_pool.start([this, ticket, file, fitInto, done = std::move(done)]() {
        QImage photo = decodeNow(file, fitInto);
        QMetaObject::invokeMethod(
            this, [ticket, photo = std::move(photo), done]() { done(ticket, photo); }, Qt::QueuedConnection);
    });
}
