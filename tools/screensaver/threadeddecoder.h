#pragma once

#include <QObject>
#include <QThreadPool>

#include "photodecoder.h"

// Decodes on one worker thread. JPEGs are read at a reduced scale where the format allows it, then scaled
// smoothly to fit and converted to the screen's pixel format, so showing one is a plain copy.
class ThreadedDecoder final : public QObject, public IPhotoDecoder {
    Q_OBJECT
public:
    ThreadedDecoder();
    ~ThreadedDecoder() override;
    void decode(int ticket, const QString& file, const QSize& fitInto, Done done) override;

    // The decoding itself, on the calling thread.
    static QImage decodeNow(const QString& file, const QSize& fitInto);

private:
    QThreadPool m_pool;
};
