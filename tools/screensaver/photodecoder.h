#pragma once

#include <functional>

#include <QImage>
#include <QSize>
#include <QString>

// Decodes a photo scaled to fit a size, away from the user-interface thread. The answer arrives later on
// the user-interface thread; a null image means the file could not be read.
class IPhotoDecoder {
public:
    using Done = std::function<void(int ticket, const QImage& photo)>;
    virtual ~IPhotoDecoder() = default;
    virtual void decode(int ticket, const QString& file, const QSize& fitInto, Done done) = 0;
};
